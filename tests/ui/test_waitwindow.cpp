// frmWait: when it paints, its progress bar, and that the user cannot close it half-way.
#include "support/UiHelpers.h"
#include "ui/WaitWindow.h"

#include <QLabel>
#include <QProgressBar>
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

        // The bar shows only while a step can tell how far it is, sizes beyond int included.
        auto* bar = wait.findChild<QProgressBar*>("barProgress");
        QVERIFY(bar && bar->isHidden());
        wait.setProgress(qint64(3) << 32, qint64(4) << 32);
        QVERIFY(bar->isVisible() && bar->value() == bar->maximum() * 3 / 4);
        wait.setProgress(0, 0);
        QVERIFY(bar->isHidden());

        // The user cannot close it; the job can.
        QVERIFY(!wait.close() && wait.isVisible());
        wait.finish();
        QVERIFY(!wait.isVisible());
    }
};

QTEST_MAIN(TestWaitWindow)
#include "test_waitwindow.moc"
