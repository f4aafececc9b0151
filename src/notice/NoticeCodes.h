#pragma once

#include <QStringList>

// The codes that the capture forms write into a notice file, each spelled
// here once: the forms' option groups and lists take their codes from here,
// the screen collection its notice types, and the notice-file checker accepts
// these and no others.
namespace NoticeCodes {

// Notice types: the form's own, or a removal (suppression or withdrawal).
inline constexpr const char *SoundType = "T01";
inline constexpr const char *TelevisionType = "T02";
inline constexpr const char *RemovalType = "TB5";

// Fragments, one option each.
inline constexpr const char *Ge84 = "GE84";
inline constexpr const char *Ge89 = "GE89";
inline constexpr const char *St61 = "ST61";
inline constexpr const char *NtfdRr = "NTFD_RR";

// Intentions, one option each.
inline constexpr const char *Add = "ADD";
inline constexpr const char *Modify = "MODIFY";
inline constexpr const char *Suppress = "SUPPRESS";
inline constexpr const char *Withdraw = "WITHDRAW";

// Every code of a key, in the order the forms offer them. A list box shows an
// empty entry before these.
const QStringList &noticeTypes();
const QStringList &fragments();
const QStringList &actions();
const QStringList &frequencyStabilities();
const QStringList &colourSystems();
const QStringList &polarizations();

} // namespace NoticeCodes
