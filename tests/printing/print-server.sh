#!/bin/sh
# A private CUPS server with one virtual PDF printer, for the tests that print
# on a real printer. It listens on a socket in its own folder, so that it
# neither sees nor changes the machine's printers; the tests reach it through
# CUPS_SERVER=FOLDER/cups.sock and find what it printed in FOLDER/out.
#
#   print-server.sh start FOLDER    starts it and makes the PDF printer the default
#   print-server.sh stop FOLDER     stops it and removes what start added
#
# The PDF backend runs as root and reads its settings from
# /etc/cups/cups-pdf-QUEUE.conf, so the server needs root; without it, start
# leaves no socket and the printing tests skip themselves.
set -eu

action=$1
folder=$2
queue_file="$folder/queue"

stop_server() {
  if [ -f "$folder/cupsd.pid" ]; then
    pid=$(cat "$folder/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    # The server writes its printer lists while it shuts down; wait for it, so
    # that nothing writes into the folder after the next start has emptied it.
    tries=0
    while kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 100 ]; do
      tries=$((tries + 1))
      sleep 0.1
    done
    rm -f "$folder/cupsd.pid"
  fi
  if [ -f "$queue_file" ]; then
    rm -f "/etc/cups/cups-pdf-$(cat "$queue_file").conf"
    rm -f "$queue_file"
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

stop_server
# The printer's filters may still be finishing the last job of the server
# that was stopped, writing into the folder while it is emptied.
tries=0
until rm -rf "$folder" 2>/dev/null; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ]; then
    echo "print-server.sh: $folder cannot be emptied" >&2
    exit 1
  fi
  sleep 0.1
done
if [ "$(id -u)" -ne 0 ] || ! command -v cupsd >/dev/null || [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
  echo "print-server.sh: needs root, cups and printer-driver-cups-pdf; the printing tests will skip" >&2
  exit 0
fi

# The filters run as the lp user and must reach the spool through every parent.
mkdir -p "$folder/spool" "$folder/cache" "$folder/state" "$folder/temp" "$folder/out" "$folder/pdf-spool" "$folder/log"
chmod 755 "$folder" "$folder/out"
chmod 1777 "$folder/temp"

cat >"$folder/cupsd.conf" <<CONF
Listen $folder/cups.sock
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

cat >"$folder/cups-files.conf" <<CONF
ServerRoot $folder
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/temp
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/printcap
DataDir /usr/share/cups
ServerBin /usr/lib/cups
User lp
Group lp
SystemGroup root
CONF

# Several build folders may test at the same time: each has its own queue.
queue="QuillmarkTestPDF$$"
echo "$queue" >"$queue_file"
cat >"/etc/cups/cups-pdf-$queue.conf" <<CONF
Out $folder/out
Spool $folder/pdf-spool
Log $folder/log
Label 0
CONF

cupsd -f -c "$folder/cupsd.conf" -s "$folder/cups-files.conf" </dev/null >"$folder/log/cupsd.out" 2>&1 &
echo $! >"$folder/cupsd.pid"

export CUPS_SERVER="$folder/cups.sock"
tries=0
until lpstat -r >/dev/null 2>&1; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ]; then
    echo "print-server.sh: the CUPS server did not start; see $folder/log" >&2
    stop_server
    exit 1
  fi
  sleep 0.1
done
# The CUPS-PDF driver is the printer's own model; CUPS calls such drivers deprecated.
lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
# Poppler's Cairo renderer keeps the text as text in the PDF, where the tests read it back.
lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
lpadmin -d "$queue"
