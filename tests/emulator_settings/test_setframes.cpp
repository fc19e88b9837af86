// The enabling rules, assignment, SetDefaults and CheckDefaults over the settings model.
#include "SettingsFixtures.h"

using namespace velmora;
using O = Option;
using namespace velmora::testing;

class TestSetFrames : public QObject
{
    Q_OBJECT

private slots:
    // Each row: values set as "control=value", then controls expected enabled ("control") or
    // greyed ("!control"). A frame goes with the controls in it, so the controls stand for it.
    void rules()
    {
        const std::pair<const char*, const char*> rows[] = {
            {"", "chkWaitVSync chkCrop !chkHwStretch chkFilter !chkMaximize chkTripleBuffer "
                 "cboAudioLat chkSamples cboSampleRate chkBackdrops !chkDualLightgun "
                 "!chkOffReload cboLEDMode !cboDeadzone"},
            {"cboVideo=DDraw", "chkSyncRefresh !chkCrop chkHwStretch !chkFilter chkTripleBuffer"},
            {"cboVideo=GDI", "!chkWaitVSync !chkSyncRefresh !chkTripleBuffer !cboFullScreenGamma "
                             "chkCrop !chkHwStretch !chkFilter"},
            {"cboVideo=GDI chkWindow=1 chkWindow=0", "!chkTripleBuffer !chkMaximize"},
            {"chkWindow=1", "chkMaximize !chkSwitchRes"},
            {"chkSound=0", "!cboAudioLat !cboVolume !cboSampleRate !chkSamples"},
            {"chkSamples=0", "cboAudioLat !cboSampleRate chkSamples"},
            {"chkArtwork=0", "!chkBackdrops !chkOverlays !chkBezels !chkCrop"},
            {"chkLightgun=1", "chkDualLightgun chkOffReload"},
            {"chkKeyLeds=0", "!cboLEDMode"},
            {"chkJoystick=1", "cboDeadzone"},
        };
        auto optionNamed = [](const QString& control) {
            for (const OptionSpec& row : optionCatalogue())
                if (control == QLatin1String(row.control))
                    return row.option;
            qFatal("no control %s", qPrintable(control));
        };
        for (const auto& [values, enabled] : rows) {
            SettingsModel model;
            for (const QString& pair : QString(values).split(u' ', Qt::SkipEmptyParts))
                QVERIFY2(model.assign(optionNamed(pair.section(u'=', 0, 0)), pair.section(u'=', 1)),
                         qPrintable(pair));
            for (QString name : QString(enabled).split(u' ')) {
                const bool expected = !name.startsWith(u'!');
                name.remove(u'!');
                QVERIFY2(model.enabling().enabled(optionNamed(name)) == expected,
                         qPrintable(QString(values) + u' ' + name));
            }
        }
    }

    // Values outside a control's list are refused (the model keeps its value); a list match is
    // stored in the list's spelling; greyed boxes and free text pass. Every control moved off its
    // default is found until SetDefaults, and a greyed box is not the default either.
    void assignmentAndCheckDefaults()
    {
        SettingsModel model;
        const std::tuple<Option, const char*, bool> cases[] = {
            {O::Video, "OpenGL", false},       {O::Video, "gdi", true},
            {O::Brightness, "1.005", false},   {O::Brightness, "1", false},
            {O::Throttle, "3", false},         {O::Throttle, "yes", false},
            {O::Throttle, "", false},          {O::Throttle, "2", true},
            {O::Bios, "Neo-Geo: Euro", false}, {O::OtherCommands, "any", true}};
        for (const auto& [option, value, ok] : cases)
            QVERIFY2(model.assign(option, QLatin1String(value)) == ok, value);
        QCOMPARE(model.value(O::Video), QStringLiteral("GDI"));
        model.setLists(richLists());
        QVERIFY(model.assign(O::Bios, QStringLiteral("Neo-Geo: Euro")));

        for (const OptionSpec& row : optionCatalogue()) {
            SettingsModel changed;
            changed.setLists(richLists());
            QVERIFY2(changed.assign(row.option, otherValue(row.option)), row.control);
            QCOMPARE(*changed.firstDifferenceFromDefaults(), row.option);
            changed.setDefaults();
            QVERIFY2(changed.checkDefaults(), row.control);
        }
        SettingsModel greyed;
        QVERIFY(greyed.assign(O::DualLightgun, QStringLiteral("2")) && !greyed.checkDefaults());
    }

    // While the resolution is fixed, every control that runs the rules ticks Switch Resolution
    // again; one outside the rules leaves the user's choice alone. SetDefaults after that and
    // rules that greyed controls gives the default panel; disabling keeps a control's value, and
    // SetFrames leaves the editor's own rules alone.
    void fixedResolutionAndSetDefaults()
    {
        SettingsModel model;
        model.assign(O::Resolution, QStringLiteral("0x0@72"));
        QCOMPARE(model.value(O::SwitchRes), QStringLiteral("0"));
        model.assign(O::Resolution, QStringLiteral("800x600@60"));
        for (const auto& [option, value, ticks] : {std::tuple{O::Window, "1", true},
                                                   {O::Samples, "0", true},
                                                   {O::Throttle, "0", false}}) {
            model.assign(O::SwitchRes, QStringLiteral("0"));
            QVERIFY(model.assign(option, QLatin1String(value)));
            QVERIFY2((model.value(O::SwitchRes) == QLatin1String("1")) == ticks, value);
        }

        for (const auto& [option, value] :
             {std::pair{O::Crop, "1"}, {O::Artwork, "0"}, {O::Video, "GDI"}})
            QVERIFY(model.assign(option, QLatin1String(value)));
        QVERIFY(!model.enabling().enabled(O::Crop) && model.value(O::SwitchRes) == "1");
        QCOMPARE(model.value(O::Crop), QStringLiteral("1"));
        model.setDefaults();
        QVERIFY(model.checkDefaults());
        QCOMPARE(model.enabling(), SettingsModel().enabling());

        model.setEnabling(setVectorRenderingEnabled(false, EnableStates()));
        model.assign(O::Window, QStringLiteral("1"));
        QVERIFY(!model.enabling().enabled(Frame::VectorRendering));
    }
};

QTEST_GUILESS_MAIN(TestSetFrames)
#include "test_setframes.moc"
