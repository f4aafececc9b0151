#include "NoticeCodes.h"

namespace NoticeCodes {

const QStringList &noticeTypes()
{
    static const QStringList codes{SoundType, TelevisionType, RemovalType};
    return codes;
}

const QStringList &fragments()
{
    static const QStringList codes{Ge84, Ge89, St61, NtfdRr};
    return codes;
}

const QStringList &actions()
{
    static const QStringList codes{Add, Modify, Suppress, Withdraw};
    return codes;
}

const QStringList &frequencyStabilities()
{
    static const QStringList codes{"RELAXED", "NORMAL", "PRECISION"};
    return codes;
}

const QStringList &colourSystems()
{
    static const QStringList codes{"NTSC", "PAL", "SECAM"};
    return codes;
}

const QStringList &polarizations()
{
    static const QStringList codes{"H", "V", "M"};
    return codes;
}

} // namespace NoticeCodes
