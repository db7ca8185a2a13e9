#include "platform/diskfileexistsservice.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QFileInfo>
#endif

bool DiskFileExistsService::exists(const QString& path)
{
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
#ifdef Q_OS_WIN
    // Only normal files count: the same test as a directory listing of plain files.
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                           FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE));
#else
    return QFileInfo(path).isFile();
#endif
}
