// The enabling rules, SetDefaults and CheckDefaults over the settings model.
#include "SettingsFixtures.h"
#include "emulator_settings/SettingsModel.h"

#include <QSignalSpy>
#include <QtTest>

using namespace velmora;
using O = Option;
using velmora::testing::otherValue;
using velmora::testing::richLists;

Q_DECLARE_METATYPE(velmora::Option)

class TestSetFrames : public QObject
{
    Q_OBJECT

private slots:
    void rules_data()
    {
        // Values as "option=value" pairs; expectations as "option" (enabled) or "!option".
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("enabled");
        QTest::newRow("defaults: D3D, full screen")
            << QStringList{}
            << QStringList{"chkWaitVSync",     "chkSyncRefresh", "chkCrop",
                           "!frameDirectDraw", "!chkHwStretch",  "frameDirect3D",
                           "chkFilter",        "!chkMaximize",   "frameFullScreen",
                           "chkTripleBuffer",  "chkSwitchRes",   "cboFullScreenGamma",
                           "cboAudioLat",      "cboVolume",      "cboSampleRate",
                           "chkSamples",       "chkBackdrops",   "!chkDualLightgun",
                           "!chkOffReload",    "cboLEDMode",     "!cboDeadzone"};
        QTest::newRow("DDraw") << QStringList{"cboVideo=DDraw"}
                               << QStringList{"chkWaitVSync",   "!chkCrop",       "frameDirectDraw",
                                              "chkHwStretch",   "!frameDirect3D", "!chkFilter",
                                              "frameFullScreen"};
        QTest::newRow("GDI") << QStringList{"cboVideo=GDI"}
                             << QStringList{"!chkWaitVSync",
                                            "!chkSyncRefresh",
                                            "!frameFullScreen",
                                            "!chkTripleBuffer",
                                            "!chkSwitchRes",
                                            "!cboFullScreenBrightness",
                                            "!cboFullScreenContrast",
                                            "!cboFullScreenGamma",
                                            "chkCrop",
                                            "!frameDirectDraw",
                                            "!chkHwStretch",
                                            "!frameDirect3D",
                                            "!chkFilter"};
        QTest::newRow("GDI with window off keeps full screen off")
            << QStringList{"cboVideo=GDI", "chkWindow=1", "chkWindow=0"}
            << QStringList{"!frameFullScreen", "!chkTripleBuffer", "!chkMaximize"};
        QTest::newRow("window on")
            << QStringList{"chkWindow=1"}
            << QStringList{"chkMaximize", "!frameFullScreen", "!chkTripleBuffer", "!chkSwitchRes",
                           "!cboFullScreenBrightness"};
        QTest::newRow("sound off")
            << QStringList{"chkSound=0"}
            << QStringList{"!cboAudioLat", "!cboVolume", "!cboSampleRate", "!chkSamples"};
        QTest::newRow("sound on, samples off")
            << QStringList{"chkSamples=0"}
            << QStringList{"cboAudioLat", "cboVolume", "!cboSampleRate", "chkSamples"};
        QTest::newRow("artwork off")
            << QStringList{"chkArtwork=0"}
            << QStringList{"!chkBackdrops", "!chkOverlays", "!chkBezels", "!chkCrop"};
        QTest::newRow("artwork on with DDraw")
            << QStringList{"cboVideo=DDraw"} << QStringList{"chkBackdrops", "!chkCrop"};
        QTest::newRow("artwork on with GDI")
            << QStringList{"cboVideo=GDI"} << QStringList{"chkCrop"};
        QTest::newRow("lightgun") << QStringList{"chkLightgun=1"}
                                  << QStringList{"chkDualLightgun", "chkOffReload"};
        QTest::newRow("keyboard LEDs off")
            << QStringList{"chkKeyLeds=0"} << QStringList{"!cboLEDMode"};
        QTest::newRow("joystick") << QStringList{"chkJoystick=1"} << QStringList{"cboDeadzone"};
    }

    void rules()
    {
        QFETCH(QStringList, values);
        QFETCH(QStringList, enabled);
        SettingsModel model;
        for (const QString& pair : values) {
            const QString control = pair.section(u'=', 0, 0);
            const QString value = pair.section(u'=', 1);
            bool found = false;
            for (const OptionSpec& row : optionCatalogue()) {
                if (control == QLatin1String(row.control)) {
                    QVERIFY(model.assign(row.option, value));
                    found = true;
                }
            }
            QVERIFY2(found, qPrintable(control));
        }
        const EnableStates& s = model.enabling();
        for (QString expectation : enabled) {
            const bool expected = !expectation.startsWith(u'!');
            if (!expected)
                expectation.remove(0, 1);
            bool actual = false;
            if (expectation == QLatin1String("frameDirectDraw"))
                actual = s.enabled(Frame::DirectDraw);
            else if (expectation == QLatin1String("frameDirect3D"))
                actual = s.enabled(Frame::Direct3D);
            else if (expectation == QLatin1String("frameFullScreen"))
                actual = s.enabled(Frame::FullScreen);
            else {
                bool found = false;
                for (const OptionSpec& row : optionCatalogue()) {
                    if (expectation == QLatin1String(row.control))
                        actual = s.enabled(row.option), found = true;
                }
                QVERIFY2(found, qPrintable(expectation));
            }
            QVERIFY2(actual == expected, qPrintable(expectation));
        }
    }

    void disablingKeepsValues()
    {
        SettingsModel model;
        QVERIFY(model.assign(O::Crop, QStringLiteral("1")));
        QVERIFY(model.assign(O::Artwork, QStringLiteral("0")));
        QVERIFY(!model.enabling().enabled(O::Crop));
        QCOMPARE(model.value(O::Crop), QStringLiteral("1"));
    }

    void fixedResolutionTurnsSwitchResOn()
    {
        SettingsModel model;
        QSignalSpy changed(&model, &SettingsModel::valueChanged);
        QVERIFY(model.assign(O::Resolution, QStringLiteral("800x600@60")));
        QCOMPARE(model.value(O::SwitchRes), QStringLiteral("1"));
        QCOMPARE(changed.size(), 2);
        QVERIFY(model.assign(O::Resolution, QStringLiteral("Auto")));
        QCOMPARE(model.value(O::SwitchRes), QStringLiteral("1"));
        QVERIFY(model.assign(O::SwitchRes, QStringLiteral("0")));
        QVERIFY(model.assign(O::Resolution, QStringLiteral("0x0@72")));
        QCOMPARE(model.value(O::SwitchRes), QStringLiteral("0"));
    }

    void assignmentFailsOutsideTheLists()
    {
        SettingsModel model;
        QVERIFY(!model.assign(O::Video, QStringLiteral("OpenGL")));
        QCOMPARE(model.value(O::Video), QStringLiteral("D3D"));
        QVERIFY(model.assign(O::Video, QStringLiteral("gdi")));
        QCOMPARE(model.value(O::Video), QStringLiteral("GDI"));
        QVERIFY(!model.assign(O::Brightness, QStringLiteral("1.005")));
        QVERIFY(!model.assign(O::Brightness, QStringLiteral("1")));
        QVERIFY(!model.assign(O::Throttle, QStringLiteral("3")));
        QVERIFY(!model.assign(O::Throttle, QStringLiteral("yes")));
        QVERIFY(!model.assign(O::Throttle, QString()));
        QVERIFY(model.assign(O::Throttle, QStringLiteral("2")));
        QCOMPARE(model.value(O::Throttle), QStringLiteral("2"));
        QVERIFY(!model.assign(O::Bios, QStringLiteral("Neo-Geo: Euro")));
        OptionLists lists;
        lists.setEntries(O::Bios, {QStringLiteral("Default"), QStringLiteral("Neo-Geo: Euro")});
        model.setLists(lists);
        QVERIFY(model.assign(O::Bios, QStringLiteral("Neo-Geo: Euro")));
        QVERIFY(model.assign(O::OtherCommands, QStringLiteral("anything at all")));
    }

    void checkDefaultsOverEveryControl()
    {
        SettingsModel model;
        QVERIFY(model.checkDefaults());
        for (const OptionSpec& row : optionCatalogue()) {
            SettingsModel changed;
            changed.setLists(richLists());
            const QString other = otherValue(row.option);
            QVERIFY2(!other.isEmpty(), row.control);
            QVERIFY2(changed.assign(row.option, other), row.control);
            QVERIFY2(!changed.checkDefaults(), row.control);
            QCOMPARE(*changed.firstDifferenceFromDefaults(), row.option);
            changed.setDefaults();
            QVERIFY2(changed.checkDefaults(), row.control);
        }
        // A greyed box is not the default either.
        QVERIFY(model.assign(O::DualLightgun, QStringLiteral("2")));
        QVERIFY(!model.checkDefaults());
    }

    void setDefaultsAfterFixedResolution()
    {
        SettingsModel model;
        QVERIFY(model.assign(O::Resolution, QStringLiteral("1024x768")));
        QVERIFY(model.assign(O::Video, QStringLiteral("GDI")));
        QVERIFY(model.assign(O::Sound, QStringLiteral("0")));
        model.setDefaults();
        QVERIFY(model.checkDefaults());
        QCOMPARE(model.enabling(), SettingsModel().enabling());
    }

    void editorRules()
    {
        EnableStates s = setVectorRenderingEnabled(false, EnableStates());
        s = setBiosEnabled(true, s);
        QVERIFY(!s.enabled(Frame::VectorRendering));
        QVERIFY(!s.enabled(O::Beam) && !s.enabled(O::Flicker) && !s.enabled(O::Antialias));
        QVERIFY(s.enabled(O::Bios));
        // SetFrames leaves the editor's rules alone.
        SettingsModel model;
        model.setEnabling(s);
        QVERIFY(model.assign(O::Window, QStringLiteral("1")));
        QVERIFY(!model.enabling().enabled(Frame::VectorRendering));
    }
};

QTEST_GUILESS_MAIN(TestSetFrames)
#include "test_setframes.moc"
