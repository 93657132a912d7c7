// File names between the program's Windows-1252 text and the file system.
#include <QFile>

#include "fw/internal.h"
#include "fw/qt/backend.h"

namespace fw::detail {

std::string NativeFileName(std::string_view name) { return QFile::encodeName(ToQt(name)).toStdString(); }

std::string FromNativeFileName(std::string_view name) {
    return FromQt(QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size()))));
}

}  // namespace fw::detail
