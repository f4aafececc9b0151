#pragma once

#include <QApplication>

// The application object of the program. It gives the capture windows the one
// event Qt lacks: a check when the operator tries to leave a text box, able to
// refuse the move (see LeaveBoxGate).
class CaptureApplication : public QApplication
{
    Q_OBJECT

public:
    CaptureApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
