// Test entry for the Qt layer: one QApplication on the offscreen platform for every test. The
// registration may choose the screen, since the platform takes it only at its start:
//   --screen=<offscreen config file>  a screen of that size instead of the platform's own
//   --scale=<factor>                  Qt's scale factor, as QT_SCALE_FACTOR
//   --design-fits=<0|1>               whether the screens' design position fits on that screen
#include <gtest/gtest.h>

#include <QApplication>
#include <string_view>

namespace {

void takeOption(std::string_view arg) {
    const auto value = [&](std::string_view name) -> const char* {
        return arg.substr(0, name.size()) == name ? arg.data() + name.size() : nullptr;
    };
    if (const char* file = value("--screen=")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + file);
    } else if (const char* factor = value("--scale=")) {
        qputenv("QT_SCALE_FACTOR", factor);
    } else if (const char* fits = value("--design-fits=")) {
        qputenv("BURUNTSY_DESIGN_FITS", fits);
    }
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i)
        takeOption(argv[i]);
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
