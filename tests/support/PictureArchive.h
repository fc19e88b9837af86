#pragma once
// Zip and 7z archives of pictures written with libarchive, for the tests of the picture kinds.
#include <QFile>
#include <QList>
#include <QPair>

#include <archive.h>
#include <archive_entry.h>

namespace velmora::testing {

using ArchiveFiles = QList<QPair<QString, QByteArray>>;

// `format` is "zip" or "7zip"; `options` libarchive's writer options ("zip:compression=store").
inline bool writeArchive(const QString& path, const char* format, const ArchiveFiles& files,
                         const char* options = nullptr)
{
    archive* a = archive_write_new();
    bool ok = archive_write_set_format_by_name(a, format) == ARCHIVE_OK &&
              (!options || archive_write_set_options(a, options) == ARCHIVE_OK) &&
              archive_write_open_filename(a, QFile::encodeName(path).constData()) == ARCHIVE_OK;
    for (const auto& [name, bytes] : files) {
        if (!ok)
            break;
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, bytes.size());
        ok = archive_write_header(a, entry) == ARCHIVE_OK &&
             archive_write_data(a, bytes.constData(), size_t(bytes.size())) == bytes.size();
        archive_entry_free(entry);
    }
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok;
}

} // namespace velmora::testing
