// The one face every text in the pictures is set in. Regenerated pictures
// must never fall back silently to another face, so a missing face is an
// error.
#pragma once

#include <QFont>

namespace stripgen {

inline constexpr char kArtFamily[] = "IPAPGothic";

// kArtFamily at the given pixel size; throws std::runtime_error unless the
// face really resolves and holds every character of `mustCover`.
QFont artFont(int pixelSize, const QString &mustCover);

} // namespace stripgen
