// Quandel: start-up. With --batch FILE the program runs a script on the
// headless platform; otherwise it starts the desktop.
#include "app/batch.h"
#include "app/quan.h"
#include "shell/quanframe.h"

#include <clocale>
#include <cstring>
#include <iostream>
#include <memory>

#ifdef QUANDEL_HAVE_QT
#include "qt/qt_app.h"
#endif

namespace {

void usage()
{
    std::cout << "usage: quandel [FILE]          start the workbench (and open FILE)\n"
                 "       quandel --batch SCRIPT  run a batch script without a display\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--batch") == 0) {
        if (argc < 3) {
            usage();
            return 2;
        }
        // Take the user's locale from the environment, as the desktop
        // toolkit does when it starts (the desktop then puts the decimal
        // point back to '.', batch mode does not). Numbers are written and
        // read without consulting it; the batch tests under a comma locale
        // show that. Nothing else is taken from the environment.
        std::setlocale(LC_ALL, "");
        quan::startUpConstants();
        return quan::runBatchFile(argv[2], std::cout, std::cerr);
    }
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        usage();
        return 0;
    }
    bool demo = argc >= 2 && std::strcmp(argv[1], "--demo-picture") == 0;
    std::string startup = demo ? "" : quan::joinArguments(argc, argv);
    quan::startUpConstants();
#ifdef QUANDEL_HAVE_QT
    if (!quan::qtui::displayAvailable()) {
        std::cerr << "Quandel needs a display to show its windows, and none was found.\n"
                     "Run it under a virtual display with:   xvfb-run ./run.sh\n"
                     "or run a script without any display:  ./run.sh --batch SCRIPT\n";
        return 1;
    }
    std::unique_ptr<quan::TQuan> app;
    return quan::qtui::runDesktop(argc, argv, startup, [&app, &startup, demo] {
        app = std::make_unique<quan::TQuan>();
        app->start(startup);
        if (demo)
            app->openDemoPicture();
        return [&app](const std::string& name) {
            if (app)
                app->frame().receiveFile(name);
        };
    });
#else
    std::cerr << "This build of Quandel has no desktop front end; use --batch SCRIPT.\n";
    return 1;
#endif
}
