// The index of an archive of pictures: names found in any letter case and without their folder,
// each picture read whole from its place (zip stored or compressed, 7z), and damaged archives
// not used, with the reason.
#include "info/ArtworkArchive.h"
#include "support/PictureArchive.h"
#include "support/TempProgram.h"

#include <QTemporaryDir>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestArtworkArchive : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    // 300 pictures of different sizes and contents, one in a folder and one in capitals.
    static ArchiveFiles pictures()
    {
        ArchiveFiles files;
        for (int i = 0; i < 300; ++i)
            files << QPair(QString("game%1.png").arg(i),
                           QByteArray(100 + i * 7, char('a' + i % 26)));
        files[150].first = "flyers/Pac-Man.PNG";
        return files;
    }

private slots:
    void picturesReadFromTheIndex()
    {
        for (const auto& [format, options] : {std::pair{"zip", "zip:compression=store"},
                                              std::pair{"zip", "zip:compression=deflate"},
                                              std::pair{"7zip", "7zip:compression=lzma2"}}) {
            const QString path = m_dir.filePath(QString("%1-%2").arg(format).arg(options));
            const ArchiveFiles files = pictures();
            QVERIFY(writeArchive(path, format, files, options));
            const auto archive = ArtworkArchive::open(path);
            QVERIFY2(archive->usable() && archive->count() == 300, qPrintable(archive->error()));
            QCOMPARE(archive->find("PAC-man.png"), "flyers/Pac-Man.PNG");
            QVERIFY(archive->find("game150.png").isEmpty() && archive->find("flyers").isEmpty());
            for (int i : {0, 1, 150, 298, 299, 7, 0}) {
                const ArchivedPicture picture = archive->read(files[i].first);
                QVERIFY2(picture.error.isEmpty() && picture.bytes == files[i].second,
                         qPrintable(options + QString(" %1 ").arg(i) + picture.error));
            }
            QVERIFY(!archive->read("zaxxon.png").error.isEmpty());
            // A zip entry is read from its own place: the archive is not read up to it.
            QFile start(path);
            if (QByteArray(format) == "zip" && start.open(QIODevice::ReadWrite) &&
                start.write("XX")) {
                start.close();
                QCOMPARE(archive->read("game299.png").bytes, files[299].second);
            }
        }
    }

    // A zip cut short, even right after an entry, and a file that is no archive are not used;
    // an archive rewritten after it was indexed never gives another entry.
    void damagedAndChangedArchives()
    {
        const QString path = m_dir.filePath("whole.zip");
        QVERIFY(writeArchive(path, "zip", pictures()));
        const QByteArray whole = TempProgram::readFile(path);
        const auto first = ArtworkArchive::open(path);
        for (const QByteArray& bytes :
             {whole.left(whole.size() / 2), whole.left(whole.indexOf("PK\x01\x02")),
              QByteArray("PK\x03\x04 not really"), QByteArray(5000, 'x'), QByteArray()}) {
            const QString damaged = m_dir.filePath("damaged.zip");
            QVERIFY(TempProgram::writeFile(damaged, bytes));
            const auto archive = ArtworkArchive::open(damaged);
            QVERIFY(!archive->usable() && !archive->error().isEmpty() && archive->count() == 0);
            QVERIFY(archive->find("game1.png").isEmpty());
        }
        ArchiveFiles renamed = pictures();
        renamed[10].first = "gameXY.png"; // the same place in the rewritten archive
        QVERIFY(writeArchive(path, "zip", renamed));
        const ArchivedPicture stale = first->read("game10.png");
        QVERIFY(stale.bytes.isEmpty() && !stale.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestArtworkArchive)
#include "test_artworkarchive.moc"
