#pragma once

#include <QApplication>

#include <functional>

/// The program's application object. A failure that no command handled
/// reaches the event loop here: it is shown with its text and the program
/// goes on.
class QuillmarkApplication : public QApplication
{
    Q_OBJECT

public:
    QuillmarkApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    /// Runs `deliver`; a failure it throws is shown through the prompts and
    /// counts as an event nobody handled (false).
    static bool reportFailures(const std::function<bool()> &deliver);
};
