#include "startoptions.h"

#include "varnversion.h"

#include <QCommandLineParser>

#include <cstdio>

namespace varn {
namespace {

constexpr char kUsageLine[] = "Usage: varn-placement-editor [options] [file]";

class StartParser {
public:
    StartParser() {
        closeAfterStart_.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.setApplicationDescription(QStringLiteral(
            "Opens, edits and saves the placement files of a game map: .wpl files, stored "
            "little-endian, and .xpl files, the same layout big-endian. Files are saved as .wpl."));
        parser_.addOption(help_);
        parser_.addOption(version_);
        parser_.addOption(closeAfterStart_);
        parser_.addPositionalArgument(QStringLiteral("file"),
                                      QStringLiteral("A placement file to open at start."),
                                      QStringLiteral("[file]"));
    }

    [[nodiscard]] bool parse(const QStringList& arguments) { return parser_.parse(arguments); }
    [[nodiscard]] QString errorText() const { return parser_.errorText(); }

    // Prints help or version when asked for; returns whether it did.
    [[nodiscard]] bool answered() const {
        if (parser_.isSet(help_)) {
            // The parser's own usage line names the executable's path, or nothing at all before
            // the application exists.
            QString text = parser_.helpText();
            text.replace(0, text.indexOf(u'\n'), QString::fromLatin1(kUsageLine));
            std::fputs(text.toLocal8Bit().constData(), stdout);
            return true;
        }
        if (parser_.isSet(version_)) {
            std::printf("varn-placement-editor %s\n", kProgramVersion);
            return true;
        }
        return false;
    }

    void fill(StartOptions& options) const {
        options.file = parser_.positionalArguments().value(0);
        options.closeAfterStart = parser_.isSet(closeAfterStart_);
    }

private:
    QCommandLineParser parser_;
    QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")},
                             QStringLiteral("Show this help and exit.")};
    QCommandLineOption version_{{QStringLiteral("v"), QStringLiteral("version")},
                                QStringLiteral("Show the version and exit.")};
    QCommandLineOption closeAfterStart_{
        QStringLiteral("close-after-start"),
        QStringLiteral("Load the file, close the window at once and report every error on "
                       "stderr; the exit code is 1 after any error.")};
};

}  // namespace

std::optional<int> answerInformationRequest(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    StartParser parser;
    if (parser.parse(arguments) && parser.answered()) return 0;
    return std::nullopt;
}

std::optional<int> readStartOptions(const QStringList& arguments, StartOptions& options) {
    StartParser parser;
    if (!parser.parse(arguments)) {
        const QString line =
            QStringLiteral("varn-placement-editor: %1 See --help.\n").arg(parser.errorText());
        std::fputs(line.toLocal8Bit().constData(), stderr);
        return 2;
    }
    if (parser.answered()) return 0;
    parser.fill(options);
    return std::nullopt;
}

}  // namespace varn
