// Find as you type in the main window: the search box narrows the list on show, the selection
// follows the matches and comes back, and the whole list stays what every command sees. Which
// games a search matches is pinned by the search's own tests.
#include "ListWindowFixture.h"
#include "ui/SearchBox.h"

#include <QPushButton>
#include <QTest>

using namespace velmora;
using namespace velmora::testing;
using enum ListKind;

class TestFindAsYouType : public QObject
{
    Q_OBJECT
private slots:
    void searchNarrowsTheListAndTheSelectionFollows()
    {
        ListWindow w;
        QVERIFY(w.load());
        w.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        auto* box = w.child<SearchBox>("txtSearch");
        const auto type = [&](const QString& text) {
            box->clear();
            QTest::keyClicks(box, text);
            if (!QTest::qWaitFor([&] { return w.panel(1).contains(" of ") != text.isEmpty(); }))
                return QStringLiteral("(the search did not finish)");
            GameListView* v = w.view(All);
            return v->selectedRow() < 0
                       ? QString()
                       : v->gameModel()->text(v->selectedRow(), GameListModel::Rom);
        };
        // The game selected before a search is selected again when the search ends.
        w.select(All, "zaxxon");
        QVERIFY(type("nintendo") != "zaxxon");
        QVERIFY(type({}) == "zaxxon" && w.panel(3) == "zaxxon");

        // Ctrl+F reaches the box; "pac" hides the selected Galaga, so the first match is selected
        // while counts and commands still see the whole list.
        w.select(All, "galaga");
        QTest::keySequence(&w.window, QKeySequence::Find);
        QVERIFY(box->hasFocus());
        QVERIFY(type("pac") == "mspacman" && w.panel(3) == "mspacman");
        QVERIFY(w.panel(1) == "Total Games: 2 of 6" && w.window.gameCount(All) == 6);
        // A selected game the narrower search still shows stays selected.
        w.select(All, "pacman");
        QCOMPARE(type("pac-man 1980"), QString("pacman"));
        // Nothing matches: no game is selected and Play is off.
        QVERIFY(type("capcom").isEmpty() && !w.child<QPushButton>("cmdPlay")->isEnabled());

        // Esc empties the box, gives the keyboard to the list, and the list is whole again.
        w.window.showView(All);
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(w.panel(1) == "Total Games: 6" && w.view(All)->hasFocus());
    }
};

QTEST_MAIN(TestFindAsYouType)
#include "test_findasyoutype.moc"
