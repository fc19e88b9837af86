// frmWait: when it paints, and that the user cannot close it half-way.
#include "support/UiHelpers.h"
#include "ui/WaitWindow.h"

#include <QLabel>
#include <QTest>

using velmora::WaitWindow;

class TestWaitWindow : public QObject
{
    Q_OBJECT
private slots:
    void paintsAtOnceForANewStepButThrottlesTheCount()
    {
        WaitWindow wait;
        wait.showAndPaint();
        QVERIFY(QTest::qWaitForWindowExposed(&wait));
        velmora::testing::PaintCounter counter;
        wait.installEventFilter(&counter);
        static_cast<velmora::ProgressSink&>(wait).setMessage("Creating listxml.txt...");
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

        // The user cannot close it; the job can.
        QVERIFY(!wait.close() && wait.isVisible());
        wait.finish();
        QVERIFY(!wait.isVisible());
    }
};

QTEST_MAIN(TestWaitWindow)
#include "test_waitwindow.moc"
