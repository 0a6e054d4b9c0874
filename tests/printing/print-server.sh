#!/bin/sh
# A private CUPS server with one virtual PDF printer, for the tests that print
# on a real printer. It listens on a socket of its own, so that it neither sees
# nor changes the machine's printers; the tests reach it through
# CUPS_SERVER=FOLDER/cups.sock and find what it printed in FOLDER/out.
#
#   print-server.sh start FOLDER    starts it and makes the PDF printer the default
#   print-server.sh stop FOLDER     stops it and removes what start added
#
# The server's filters run as the lp user and must reach the spool, the
# printer's PPD and the temporary files through every parent folder, but the
# build folder may lie in a private one (a clone made under mktemp -d). So each
# server keeps all its files in a new folder under /tmp that lp can enter, and
# FOLDER is a link to it.
#
# The PDF backend runs as root and reads its settings from
# /etc/cups/cups-pdf-QUEUE.conf, so the server needs root; without it, start
# leaves no socket and the printing tests skip themselves.
set -eu

action=$1
folder=$2

# The folder that holds the server's files: the link's target, or FOLDER
# itself where an older start made it a plain folder.
server_files() {
  if [ -L "$folder" ]; then
    readlink "$folder"
  else
    echo "$folder"
  fi
}

# A process number in a stale pid file may since have gone to another process.
is_server() {
  { tr '\0' '\n' <"/proc/$1/cmdline"; } 2>/dev/null | grep -qxF "$2/cupsd.conf"
}

remove_files() {
  # The printer's filters may still be finishing the last job of the server
  # that was stopped, writing into the folder while it is emptied.
  tries=0
  until rm -rf "$1" 2>/dev/null; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
      echo "print-server.sh: $1 cannot be emptied" >&2
      return 1
    fi
    sleep 0.1
  done
}

stop_server() {
  files=$(server_files)
  if [ -f "$files/cupsd.pid" ]; then
    pid=$(cat "$files/cupsd.pid")
    if is_server "$pid" "$files"; then
      kill "$pid" 2>/dev/null || true
      # The server writes its printer lists while it shuts down; wait for it,
      # so that nothing writes into its folder after that has been emptied.
      tries=0
      while is_server "$pid" "$files" && [ "$tries" -lt 100 ]; do
        tries=$((tries + 1))
        sleep 0.1
      done
      kill -KILL "$pid" 2>/dev/null || true
    fi
  fi
  if [ -f "$files/queue" ]; then
    rm -f "/etc/cups/cups-pdf-$(cat "$files/queue").conf"
  fi
  if [ -L "$folder" ]; then
    rm -f "$folder"
    # Only a folder that a start made: a link may have been changed by hand.
    case "$files" in
    /tmp/quillmark-print-server.*) remove_files "$files" ;;
    esac
  else
    remove_files "$folder"
  fi
}

# Says why the server did not start, from its own logs, and removes it again.
report_failure() {
  echo "print-server.sh: the CUPS server did not start; the end of its logs:" >&2
  for log in "$files/log/cupsd.out" "$files/log/error_log"; do
    if [ -s "$log" ]; then
      echo "--- $log" >&2
      tail -n 30 "$log" >&2
    fi
  done
  stop_server || true
}

# lpadmin warns about the driver (see below); say what it said only when it fails.
configure() {
  if ! output=$(lpadmin "$@" 2>&1); then
    echo "print-server.sh: lpadmin $*: $output" >&2
    return 1
  fi
}

case "$action" in
stop)
  stop_server
  exit 0
  ;;
start) ;;
*)
  echo "usage: print-server.sh start|stop FOLDER" >&2
  exit 2
  ;;
esac

# A server that an earlier run left behind is stopped first: it would hold
# its queue's settings and its files.
stop_server
if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
  echo "print-server.sh: needs root, cups and printer-driver-cups-pdf; the printing tests will skip" >&2
  exit 0
fi

files=$(mktemp -d /tmp/quillmark-print-server.XXXXXX)
chmod 755 "$files"
ln -s "$files" "$folder"
trap 'status=$?; if [ "$status" -ne 0 ]; then report_failure; fi' EXIT

mkdir -p "$files/spool" "$files/cache" "$files/state" "$files/temp" "$files/out" "$files/pdf-spool" "$files/log"
chmod 1777 "$files/temp"

cat >"$files/cupsd.conf" <<CONF
Listen $files/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF

cat >"$files/cups-files.conf" <<CONF
ServerRoot $files
RequestRoot $files/spool
CacheDir $files/cache
StateDir $files/state
TempDir $files/temp
ErrorLog $files/log/error_log
AccessLog $files/log/access_log
PageLog $files/log/page_log
Printcap $files/printcap
DataDir /usr/share/cups
ServerBin /usr/lib/cups
User lp
Group lp
SystemGroup root
CONF

# Several build folders may test at the same time: each has its own queue.
queue="QuillmarkTestPDF$$"
echo "$queue" >"$files/queue"
cat >"/etc/cups/cups-pdf-$queue.conf" <<CONF
Out $files/out
Spool $files/pdf-spool
Log $files/log
Label 0
CONF

cupsd -f -c "$files/cupsd.conf" -s "$files/cups-files.conf" </dev/null >"$files/log/cupsd.out" 2>&1 &
pid=$!
echo "$pid" >"$files/cupsd.pid"

# lpstat -r exits with 0 whether the server runs or not; its words tell.
export CUPS_SERVER="$files/cups.sock"
tries=0
until LC_ALL=C lpstat -r 2>/dev/null | grep -qx "scheduler is running"; do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "print-server.sh: cupsd ended while it started" >&2
    exit 1
  fi
  tries=$((tries + 1))
  if [ "$tries" -gt 300 ]; then
    echo "print-server.sh: cupsd did not answer within 30 seconds" >&2
    exit 1
  fi
  sleep 0.1
done
# The CUPS-PDF driver is the printer's own model; CUPS calls such drivers deprecated.
configure -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
# Poppler's Cairo renderer keeps the text as text in the PDF, where the tests read it back.
configure -p "$queue" -o pdftops-renderer-default=pdftocairo
configure -d "$queue"
