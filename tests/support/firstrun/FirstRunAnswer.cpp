// A Qt start-up plugin for tests of an installed velmora, which the message-box and dialog seams
// cannot reach from outside its process. Loaded through QT_QPA_GENERIC_PLUGINS=velmorafirstrun
// (with QT_PLUGIN_PATH naming its folder), it answers the first-run Options dialog with the MAME
// folder of $VELMORA_TEST_MAME_FOLDER and its standard sub-folders, and presses OK. A message box
// that shows instead is written to the error stream, for the test's failure report.
#include <QtWidgets>
#include <qgenericplugin.h>

class FirstRunAnswer : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "firstrun.json")

public:
    QObject* create(const QString&, const QString&) override
    {
        auto* timer = new QTimer;
        QObject::connect(timer, &QTimer::timeout, timer, [timer] {
            auto* dialog = QApplication::activeModalWidget();
            if (const auto* box = qobject_cast<const QMessageBox*>(dialog)) {
                qWarning("Message box: %s", qPrintable(box->text()));
                timer->stop();
            }
            if (!dialog || dialog->objectName() != "frmChoose")
                return;
            const QString mame = qEnvironmentVariable("VELMORA_TEST_MAME_FOLDER") + '/';
            dialog->findChild<QPushButton*>("cmdNext")->click();
            const QString boxes = "MAME= ROM=roms Sam=samples INIs= Cfg=cfg Nvram=nvram "
                                  "Memcard=memcard Inp=inp Hi=hi Sta=sta Artwork=artwork "
                                  "Snap=snap Diff=diff Ctrlr=ctrlr";
            for (const QString& box : boxes.split(' '))
                dialog->findChild<QLineEdit*>("txt" + box.section('=', 0, 0) + "Path")
                    ->setText(mame + box.section('=', 1));
            // Pressed from the event loop, so a message box it opens is seen at the next tick.
            QMetaObject::invokeMethod(dialog->findChild<QPushButton*>("cmdOK"), "click",
                                      Qt::QueuedConnection);
        });
        timer->start(200);
        return timer;
    }
};

#include "FirstRunAnswer.moc"
