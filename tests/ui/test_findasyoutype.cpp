// Find as you type in the main window: the search box narrows the list on show, the selection
// follows the matches and comes back, and the whole list stays what every command sees.
#include "ListWindowFixture.h"
#include "ui/SearchBox.h"

#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;

class TestFindAsYouType : public QObject
{
    Q_OBJECT
private:
    static void type(ListWindow& w, const QString& text)
    {
        auto* box = w.child<SearchBox>("txtSearch");
        box->clear();
        QTest::keyClicks(box, text);
        QTRY_COMPARE_WITH_TIMEOUT(w.panel(1).contains(QLatin1String(" of ")), !text.isEmpty(),
                                  2000);
    }
    static QString selectedRom(ListWindow& w, ListKind kind)
    {
        GameListView* v = w.view(kind);
        return v->gameModel()->text(v->selectedRow(), GameListModel::Rom);
    }

private slots:
    void searchNarrowsTheListAndTheSelectionFollows()
    {
        ListWindow w;
        QVERIFY(w.load());
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.select(ListKind::All, QStringLiteral("galaga"));

        // Ctrl+F reaches the box; "pac" hides Galaga, so the first match is selected.
        QTest::keySequence(&w.window, QKeySequence::Find);
        QVERIFY(w.child<SearchBox>("txtSearch")->hasFocus());
        type(w, QStringLiteral("pac"));
        QCOMPARE(w.panel(1), QStringLiteral("Total Games: 2 of 6"));
        QCOMPARE(w.view(ListKind::All)->shownCount(), 2);
        QCOMPARE(selectedRom(w, ListKind::All), QStringLiteral("mspacman"));
        QCOMPARE(w.panel(3), QStringLiteral("mspacman"));
        // Counts and commands still see the whole list.
        QCOMPARE(w.window.gameCount(ListKind::All), 6);

        // A selected game the narrower search still shows stays selected.
        w.select(ListKind::All, QStringLiteral("pacman"));
        type(w, QStringLiteral("pac-man 1980"));
        QCOMPARE(selectedRom(w, ListKind::All), QStringLiteral("pacman"));

        // Nothing matches: no game is selected and Play is off.
        type(w, QStringLiteral("capcom"));
        QCOMPARE(w.panel(1), QStringLiteral("Total Games: 0 of 6"));
        QVERIFY(!w.child<QPushButton>("cmdPlay")->isEnabled());

        // Another list on show is narrowed by the same search.
        type(w, QStringLiteral("pac"));
        w.window.showView(ListKind::Installed);
        QCOMPARE(w.panel(1), QStringLiteral("Total Games: 2 of 3"));

        // Esc empties the box, gives the keyboard to the list, and the list is whole again.
        w.window.showView(ListKind::All);
        QTest::keyClick(w.child<SearchBox>("txtSearch"), Qt::Key_Escape);
        QCOMPARE(w.panel(1), QStringLiteral("Total Games: 6"));
        QCOMPARE(w.view(ListKind::All)->shownCount(), 6);
        QVERIFY(w.view(ListKind::All)->hasFocus());
    }

    // The game selected before a search is selected again when the search ends.
    void clearingTheSearchBringsTheSelectionBack()
    {
        ListWindow w;
        QVERIFY(w.load());
        w.select(ListKind::All, QStringLiteral("zaxxon"));
        type(w, QStringLiteral("nintendo"));
        QVERIFY(selectedRom(w, ListKind::All) != QStringLiteral("zaxxon"));
        type(w, QString());
        QCOMPARE(selectedRom(w, ListKind::All), QStringLiteral("zaxxon"));
        QCOMPARE(w.panel(3), QStringLiteral("zaxxon"));
        QCOMPARE(w.view(ListKind::All)->viewState().index,
                 w.rowOf(ListKind::All, QStringLiteral("zaxxon")) + 1);
    }
};

QTEST_MAIN(TestFindAsYouType)
#include "test_findasyoutype.moc"
