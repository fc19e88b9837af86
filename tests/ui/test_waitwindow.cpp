// frmWait: when it paints, and that the user cannot close it half-way.
#include "ui/WaitWindow.h"

#include <QLabel>
#include <QTest>

using velmora::WaitWindow;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestWaitWindow : public QObject
{
    Q_OBJECT
private slots:
    void paintsAtOnceForANewStepButThrottlesTheCount()
    {
        WaitWindow wait;
        wait.showAndPaint();
        QVERIFY(QTest::qWaitForWindowExposed(&wait));
        PaintCounter counter;
        wait.installEventFilter(&counter);

        velmora::ProgressSink& sink = wait;
        sink.setMessage("Creating listxml.txt...");
        wait.repaint();
        QCOMPARE(counter.paints, 1);

        // A burst of counts within a few milliseconds paints at most a couple of times.
        for (int i = 0; i < 200; ++i)
            wait.setCount(QString::number(i));
        QVERIFY2(counter.paints <= 3, qPrintable(QString::number(counter.paints)));

        QTest::qWait(40);
        wait.setCount("201");
        QCOMPARE(wait.findChild<QLabel*>("lblCount")->text(), QStringLiteral("201"));
        QVERIFY(counter.paints >= 2);
    }

    void userCannotCloseItButTheJobCan()
    {
        WaitWindow wait;
        wait.showAndPaint();
        QVERIFY(!wait.close());
        QVERIFY(wait.isVisible());
        wait.finish();
        QVERIFY(!wait.isVisible());
    }
};

QTEST_MAIN(TestWaitWindow)
#include "test_waitwindow.moc"
