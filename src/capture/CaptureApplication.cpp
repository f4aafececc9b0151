#include "capture/CaptureApplication.h"

#include "capture/LeaveBoxGate.h"

CaptureApplication::CaptureApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{ }

bool CaptureApplication::notify(QObject *receiver, QEvent *event)
{
    if (LeaveBoxGate::blocksEvent(receiver, event))
        return true;
    return QApplication::notify(receiver, event);
}
