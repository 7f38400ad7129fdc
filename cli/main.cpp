// varn-placement: dump, convert, hash, export, build, import, diff, set, transform, check and
// find placement files from scripts.

#include "commandline.h"
#include "commands.h"
#include "consolestreams.h"
#include "varnversion.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr char kUsage[] =
    "Usage: varn-placement COMMAND [OPTIONS] ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  dump          Print a placement file's sections as JSON\n"
    "  convert       Load a placement file and save it as the editor's Save does\n"
    "  hash          Print the name hash of each name\n"
    "  make-hashes   Write a hashes.dat from a list of model names\n"
    "  export        Write a placement file as exact JSON, or one section as CSV\n"
    "  build         Write the placement file an exported JSON describes\n"
    "  import        Replace or extend one section of a placement file from CSV\n"
    "  diff          List the rows added, removed and changed between two files\n"
    "  set           Change columns of the rows a query chooses: set, add, multiply\n"
    "  transform     Move and turn the rows a query chooses (sections 0 and 9)\n"
    "  check         List the problems of files: NaN positions, bad rotations, wrong hashes\n"
    "  find          Find where files and folders of files place a model\n"
    "\n"
    "Run 'varn-placement COMMAND --help' for the options of a command,\n"
    "'varn-placement --version' for the version.\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Scripts compare the output byte for byte on every system.
    varn::keepStandardStreamBytes();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varn-placement"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    if (command == u"dump") return varn::cli::runDump(arguments);
    if (command == u"convert") return varn::cli::runConvert(arguments);
    if (command == u"hash") return varn::cli::runHash(arguments);
    if (command == u"make-hashes") return varn::cli::runMakeHashes(arguments);
    if (command == u"export") return varn::cli::runExport(arguments);
    if (command == u"build") return varn::cli::runBuild(arguments);
    if (command == u"import") return varn::cli::runImport(arguments);
    if (command == u"diff") return varn::cli::runDiff(arguments);
    if (command == u"set") return varn::cli::runSet(arguments);
    if (command == u"transform") return varn::cli::runTransform(arguments);
    if (command == u"check") return varn::cli::runCheck(arguments);
    if (command == u"find") return varn::cli::runFind(arguments);
    if (command == u"--help" || command == u"-h" || command == u"help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (command == u"--version") {
        std::printf("varn-placement %s\n", varn::kProgramVersion);
        return 0;
    }
    varn::cli::printError(command.isEmpty()
                              ? QStringLiteral("No command given; see --help.")
                              : QStringLiteral("Unknown command \"%1\"; see --help.").arg(command));
    return varn::cli::kUsageError;
}
