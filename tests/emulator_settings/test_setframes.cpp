// The enabling rules, SetDefaults and CheckDefaults over the settings model.
#include "SettingsFixtures.h"
#include "emulator_settings/SettingsModel.h"

#include <QtTest>
#include <map>
#include <optional>

using namespace velmora;
using O = Option;
using velmora::testing::otherValue;
using velmora::testing::richLists;


class TestSetFrames : public QObject
{
    Q_OBJECT

private slots:
    // Each row: values set as "control=value", then controls expected enabled ("control") or
    // greyed ("!control"); frames are named as their controls are.
    void rules()
    {
        const std::pair<const char*, const char*> rows[] = {
            {"", "chkWaitVSync chkSyncRefresh chkCrop !frameDirectDraw !chkHwStretch frameDirect3D "
                 "chkFilter !chkMaximize frameFullScreen chkTripleBuffer chkSwitchRes "
                 "cboFullScreenGamma cboAudioLat cboVolume cboSampleRate chkSamples chkBackdrops "
                 "!chkDualLightgun !chkOffReload cboLEDMode !cboDeadzone"},
            {"cboVideo=DDraw",
             "chkWaitVSync !chkCrop frameDirectDraw chkHwStretch !frameDirect3D !chkFilter "
             "frameFullScreen chkBackdrops"},
            {"cboVideo=GDI",
             "!chkWaitVSync !chkSyncRefresh !frameFullScreen !chkTripleBuffer !chkSwitchRes "
             "!cboFullScreenBrightness !cboFullScreenContrast !cboFullScreenGamma chkCrop "
             "!frameDirectDraw !chkHwStretch !frameDirect3D !chkFilter"},
            {"cboVideo=GDI chkWindow=1 chkWindow=0",
             "!frameFullScreen !chkTripleBuffer !chkMaximize"},
            {"chkWindow=1", "chkMaximize !frameFullScreen !chkTripleBuffer !chkSwitchRes "
                            "!cboFullScreenBrightness"},
            {"chkSound=0", "!cboAudioLat !cboVolume !cboSampleRate !chkSamples"},
            {"chkSamples=0", "cboAudioLat cboVolume !cboSampleRate chkSamples"},
            {"chkArtwork=0", "!chkBackdrops !chkOverlays !chkBezels !chkCrop"},
            {"chkLightgun=1", "chkDualLightgun chkOffReload"},
            {"chkKeyLeds=0", "!cboLEDMode"},
            {"chkJoystick=1", "cboDeadzone"},
        };
        auto optionNamed = [](const QString& control) -> std::optional<Option> {
            for (const OptionSpec& row : optionCatalogue())
                if (control == QLatin1String(row.control))
                    return row.option;
            return std::nullopt;
        };
        for (const auto& [values, enabled] : rows) {
            SettingsModel model;
            for (const QString& pair : QString(values).split(u' ', Qt::SkipEmptyParts)) {
                const auto option = optionNamed(pair.section(u'=', 0, 0));
                QVERIFY2(option && model.assign(*option, pair.section(u'=', 1)), qPrintable(pair));
            }
            const EnableStates& s = model.enabling();
            const std::map<QString, Frame> frames = {{"frameDirectDraw", Frame::DirectDraw},
                                                     {"frameDirect3D", Frame::Direct3D},
                                                     {"frameFullScreen", Frame::FullScreen}};
            for (QString name : QString(enabled).split(u' ')) {
                const bool expected = !name.startsWith(u'!');
                name.remove(u'!');
                const auto option = optionNamed(name);
                QVERIFY2(option || frames.count(name), qPrintable(name));
                const bool actual = option ? s.enabled(*option) : s.enabled(frames.at(name));
                QVERIFY2(actual == expected, qPrintable(QString(values) + u' ' + name));
            }
        }
    }

    void fixedResolutionTurnsSwitchResOn()
    {
        SettingsModel model;
        model.assign(O::Resolution, QStringLiteral("800x600@60"));
        QCOMPARE(model.value(O::SwitchRes), QStringLiteral("1"));
        model.assign(O::SwitchRes, QStringLiteral("0"));
        model.assign(O::Resolution, QStringLiteral("0x0@72"));
        QCOMPARE(model.value(O::SwitchRes), QStringLiteral("0"));

        // While the resolution is fixed, every control that runs the rules ticks it again; one
        // outside the rules leaves the user's choice alone.
        model.assign(O::Resolution, QStringLiteral("800x600@60"));
        for (const auto& [option, value, ticks] : {std::tuple{O::Window, "1", true},
                                                   {O::Samples, "0", true},
                                                   {O::Video, "DDraw", true},
                                                   {O::Joystick, "1", true},
                                                   {O::Throttle, "0", false}}) {
            model.assign(O::SwitchRes, QStringLiteral("0"));
            QVERIFY(model.assign(option, QLatin1String(value)));
            QVERIFY2((model.value(O::SwitchRes) == QLatin1String("1")) == ticks, value);
        }
    }

    // Values outside a control's list are refused (the model keeps its value); a list match is
    // stored in the list's spelling; greyed boxes and free text pass.
    void assignmentFailsOutsideTheLists()
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
    }

    void checkDefaultsOverEveryControl()
    {
        for (const OptionSpec& row : optionCatalogue()) {
            SettingsModel changed;
            changed.setLists(richLists());
            QVERIFY2(changed.assign(row.option, otherValue(row.option)), row.control);
            QCOMPARE(*changed.firstDifferenceFromDefaults(), row.option);
            changed.setDefaults();
            QVERIFY2(changed.checkDefaults(), row.control);
        }
        // A greyed box is not the default either.
        SettingsModel model;
        QVERIFY(model.assign(O::DualLightgun, QStringLiteral("2")));
        QVERIFY(!model.checkDefaults());
    }

    // SetDefaults after a fixed resolution and rules that greyed controls gives the default
    // panel; disabling keeps a control's value, and SetFrames leaves the editor's rules alone.
    void setDefaultsAndTheEditorsRules()
    {
        SettingsModel model;
        for (const auto& [option, value] : {std::pair{O::Crop, "1"},
                                            {O::Artwork, "0"},
                                            {O::Resolution, "1024x768"},
                                            {O::Video, "GDI"}})
            QVERIFY(model.assign(option, QLatin1String(value)));
        QVERIFY(!model.enabling().enabled(O::Crop));
        QCOMPARE(model.value(O::Crop), QStringLiteral("1"));
        model.setDefaults();
        QVERIFY(model.checkDefaults());
        QCOMPARE(model.enabling(), SettingsModel().enabling());

        const EnableStates s =
            setBiosEnabled(true, setVectorRenderingEnabled(false, EnableStates()));
        QVERIFY(!s.enabled(O::Beam) && s.enabled(O::Bios));
        model.setEnabling(s);
        model.assign(O::Window, QStringLiteral("1"));
        QVERIFY(!model.enabling().enabled(Frame::VectorRendering));
    }
};

QTEST_GUILESS_MAIN(TestSetFrames)
#include "test_setframes.moc"
