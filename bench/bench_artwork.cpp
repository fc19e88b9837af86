// The pictures beside the list at today's scale: a zip archive of 40,000 pictures and a folder of
// the same pictures.
//
// Measures, and prints against their targets:
//   - indexing the archive once (its table of contents read into the name map), and listing the
//     folder once;
//   - one selection's picture, warm (index made, files in the system's cache): found, read and
//     decoded, from the archive and from the folder, for games spread over the whole list.
//
// The pictures (about 9 KB each, every one different) are generated on the first run into
// bench-data/artwork next to this program and kept there.
#include "BestOf.h"
#include "info/ArtworkArchive.h"
#include "info/ArtworkLocator.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>

#include <archive.h>
#include <archive_entry.h>
#include <cstdio>

using namespace velmora;

namespace {

constexpr int kPictures = 40000;
constexpr int kRuns = 5;
constexpr int kSelections = 200;

QString gameName(int i)
{
    return QStringLiteral("game%1").arg(i, 5, 10, QLatin1Char('0'));
}

QByteArray pictureBytes(int i)
{
    QImage image(64, 48, QImage::Format_RGB32);
    QRandomGenerator random(quint32(i + 1));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes;
}

// The folder titles/ and the archive flyers.zip hold the same pictures.
void generate(const QString& data)
{
    const QString zip = data + QStringLiteral("/flyers.zip");
    if (QFileInfo(zip).size() > 0 && QDir(data + QStringLiteral("/titles")).count() >= kPictures)
        return;
    std::printf("Generating %d pictures under %s ...\n", kPictures, qPrintable(data));
    QDir().mkpath(data + QStringLiteral("/titles"));
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    archive_write_open_filename(a, QFile::encodeName(zip + QStringLiteral(".part")).constData());
    for (int i = 0; i < kPictures; ++i) {
        const QByteArray bytes = pictureBytes(i);
        const QString name = gameName(i) + QStringLiteral(".png");
        QFile file(data + QStringLiteral("/titles/") + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, bytes.size());
        archive_write_header(a, entry);
        archive_write_data(a, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(entry);
    }
    archive_write_close(a);
    archive_write_free(a);
    QFile::rename(zip + QStringLiteral(".part"), zip);
}

void report(const char* what, bench::Timing t, double target)
{
    std::printf("%-56s %8.2f ms (processor %7.2f ms, target < %g ms) %s\n", what, t.wall, t.cpu,
                target, t.wall < target ? "ok" : "MISSED");
}

template <typename F> bench::Timing bestOf(F&& run, int per = 1)
{
    return bench::bestTiming(kRuns, run, per);
}

// One selection after another over the whole list, as the window shows each: the chosen kind's
// picture found, read and decoded, and every kind looked up to grey the submenu.
int showSelections(ArtworkLocator& locator, PictureKind kind)
{
    int shown = 0;
    for (int s = 0; s < kSelections; ++s) {
        const PictureOwner game{gameName(int(qint64(s) * 7919 % kPictures)), QString()};
        for (int k = 0; k < kPictureKindCount; ++k)
            locator.exists(PictureKind(k), game);
        const PictureFile file = locator.read(kind, game);
        shown += !QImage::fromData(file.bytes).isNull();
    }
    return shown;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString data =
        QCoreApplication::applicationDirPath() + QStringLiteral("/bench-data/artwork");
    generate(data);
    const QString zip = data + QStringLiteral("/flyers.zip");

    int count = 0;
    const bench::Timing index = bestOf([&] { count = ArtworkArchive::open(zip)->count(); });
    std::printf("flyers.zip: %d pictures, %.0f MB\n", count, QFileInfo(zip).size() / 1e6);
    report("Archive index, 40,000 entries", index, 300);
    const bench::Timing listing = bestOf([&] {
        FolderIndex folder(data + QStringLiteral("/titles"));
        folder.refresh();
    });
    report("Folder listing, 40,000 pictures", listing, 300);

    ArtworkLocator locator;
    locator.setFolders({QString(), data, false});
    int shown = showSelections(locator, PictureKind::Flyer); // indexes and warms the cache
    const bench::Timing fromArchive =
        bestOf([&] { shown = showSelections(locator, PictureKind::Flyer); }, kSelections);
    std::printf("Pictures shown from the archive: %d of %d\n", shown, kSelections);
    report("One selection's picture from the archive (warm)", fromArchive, 20);
    showSelections(locator, PictureKind::TitleScreen);
    const bench::Timing fromFolder =
        bestOf([&] { shown = showSelections(locator, PictureKind::TitleScreen); }, kSelections);
    std::printf("Pictures shown from the folder: %d of %d\n", shown, kSelections);
    report("One selection's picture from the folder (warm)", fromFolder, 20);
    const bool met = index.wall < 300 && fromArchive.wall < 20 && fromFolder.wall < 20;
    return met ? 0 : 1;
}
