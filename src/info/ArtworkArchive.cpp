#include "info/ArtworkArchive.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <unistd.h>

namespace velmora {
namespace {

// Small blocks make the table-of-contents pass fast: it reads each entry's header and skips
// its data, so most of every block would be thrown away.
constexpr size_t kContentsBlock = 4096;
constexpr size_t kDataBlock = 65536;

struct ArchiveFree
{
    void operator()(archive* a) const { archive_read_free(a); }
};
using ArchiveReader = std::unique_ptr<archive, ArchiveFree>;

// A reader of zip and 7z archives. Zip is read as a stream of entries, the way it is laid out:
// that gives every entry's position, so that one picture can later be read from there.
ArchiveReader newReader()
{
    ArchiveReader reader(archive_read_new());
    archive_read_support_format_zip_streamable(reader.get());
    archive_read_support_format_7zip(reader.get());
    return reader;
}

// A header was read (a warning, such as a name in another character set, still gives one).
bool gotHeader(int result)
{
    return result == ARCHIVE_OK || result == ARCHIVE_WARN;
}

QString errorOf(archive* a, const char* fallback)
{
    const char* text = archive_error_string(a);
    return QString::fromUtf8(text && *text ? text : fallback);
}

// Picture names are ROM names, plain ASCII, taken as they are; libarchive's conversion to UTF-8
// costs more than the rest of the table-of-contents pass and is kept for other names.
QString entryName(archive_entry* entry)
{
    const char* local = archive_entry_pathname(entry);
    const char* end = local;
    while (end && static_cast<unsigned char>(*end) - 1u < 0x7Fu)
        ++end;
    if (local && *end == '\0')
        return QString::fromLatin1(local, end - local);
    if (const char* utf8 = archive_entry_pathname_utf8(entry))
        return QString::fromUtf8(utf8);
    return local ? QString::fromLocal8Bit(local) : QString();
}

QString fileNameKey(const QString& name)
{
    const qsizetype slash = name.lastIndexOf(u'/');
    return (slash < 0 ? name : name.mid(slash + 1)).toLower();
}

ArchivedPicture readData(archive* a, archive_entry* entry)
{
    ArchivedPicture picture;
    if (archive_entry_size_is_set(entry))
        picture.bytes.reserve(qsizetype(std::min<la_int64_t>(archive_entry_size(entry), 1 << 26)));
    char block[kDataBlock];
    for (;;) {
        const la_ssize_t n = archive_read_data(a, block, sizeof block);
        if (n == 0)
            return picture;
        if (n < 0) {
            picture.bytes.clear();
            picture.error = errorOf(a, "the picture's data cannot be read");
            return picture;
        }
        picture.bytes.append(block, qsizetype(n));
    }
}

// A file descriptor closed with its owner.
class OpenFile
{
public:
    explicit OpenFile(const QString& path) : m_fd(::open(QFile::encodeName(path), O_RDONLY)) {}
    ~OpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::unique_ptr<ArtworkArchive> ArtworkArchive::open(const QString& path)
{
    std::unique_ptr<ArtworkArchive> archive(new ArtworkArchive(path));
    archive->readContents();
    return archive;
}

void ArtworkArchive::readContents()
{
    ArchiveReader reader = newReader();
    archive* a = reader.get();
    if (archive_read_open_filename(a, QFile::encodeName(m_path).constData(), kContentsBlock) !=
        ARCHIVE_OK) {
        m_error = errorOf(a, "the archive cannot be opened");
        return;
    }
    archive_entry* entry = nullptr;
    int index = 0;
    int result = ARCHIVE_OK;
    for (; gotHeader(result = archive_read_next_header(a, &entry)); ++index) {
        m_zip = (archive_format(a) & ARCHIVE_FORMAT_BASE_MASK) == ARCHIVE_FORMAT_ZIP;
        if (archive_entry_filetype(entry) != AE_IFREG)
            continue;
        const QString name = entryName(entry);
        const QString key = fileNameKey(name);
        if (key.isEmpty())
            continue;
        Entry& slot = m_entries[key]; // the first of names that differ only in case is kept
        if (slot.name.isEmpty())
            slot = Entry{name, index, m_zip ? archive_read_header_position(a) : -1};
    }
    // A zip that ends before its table of contents (cut short while copied) is damaged even when
    // every entry read so far is whole.
    if (result != ARCHIVE_EOF) {
        m_error = errorOf(a, "the archive ends early");
        m_entries.clear();
    }
}

QString ArtworkArchive::find(const QString& fileName) const
{
    const auto it = m_entries.constFind(fileNameKey(fileName));
    return it == m_entries.cend() ? QString() : it->name;
}

ArchivedPicture ArtworkArchive::read(const QString& fileName) const
{
    const auto it = m_entries.constFind(fileNameKey(fileName));
    if (it == m_entries.cend())
        return {{}, QStringLiteral("the archive holds no %1").arg(fileName)};
    if (it->resumeAt >= 0) {
        std::optional<ArchivedPicture> direct = readFromOffset(*it);
        if (direct)
            return *direct;
    }
    return readByWalking(*it);
}

// A zip entry is read by a stream reader started where the table-of-contents pass met it: only
// its header and data are read. None when the entry is not found there (the file changed), and
// the caller walks the archive instead.
std::optional<ArchivedPicture> ArtworkArchive::readFromOffset(const Entry& entry) const
{
    const OpenFile file(m_path);
    if (file.fd() < 0 || ::lseek(file.fd(), entry.resumeAt, SEEK_SET) != entry.resumeAt)
        return std::nullopt;
    ArchiveReader reader = newReader();
    archive* a = reader.get();
    archive_entry* header = nullptr;
    if (archive_read_open_fd(a, file.fd(), kDataBlock) != ARCHIVE_OK ||
        !gotHeader(archive_read_next_header(a, &header)) || entryName(header) != entry.name)
        return std::nullopt;
    return readData(a, header);
}

// Any entry of any format: the archive is read again from its start up to the entry, skipping
// the data of those before it.
ArchivedPicture ArtworkArchive::readByWalking(const Entry& entry) const
{
    ArchiveReader reader = newReader();
    archive* a = reader.get();
    if (archive_read_open_filename(a, QFile::encodeName(m_path).constData(), kDataBlock) !=
        ARCHIVE_OK)
        return {{}, errorOf(a, "the archive cannot be opened")};
    archive_entry* header = nullptr;
    for (int index = 0; gotHeader(archive_read_next_header(a, &header)); ++index) {
        if (index == entry.index && entryName(header) == entry.name)
            return readData(a, header);
        if (index >= entry.index)
            break;
    }
    return {{}, errorOf(a, "the archive changed since it was opened")};
}

} // namespace velmora
