#include "cli/command_line.h"

#include <iostream>
#include <optional>

#include "core/delete_double.h"
#include "core/generator.h"
#include "core/list_file.h"
#include "core/path_conversions.h"
#include "platform/dir_exists.h"
#include "platform/file_io.h"
#include "platform/list_file_encoding.h"
#include "platform/module1.h"
#include "platform/native_directory_lister.h"
#include "platform/native_path_style.h"

namespace dirnal::cli {

namespace {

constexpr const char* kVersion = "3.61";

constexpr const char* kHelp = R"(Aufruf: dirnal-lst [OPTIONEN] STARTVERZEICHNIS

Erstellt die Liste dirnal.lst mit jedem Verzeichnis unter STARTVERZEICHNIS,
Ebene für Ebene, genau wie "2. Liste erstellen" im dirnal.lst Manager:
wiederholte Einträge werden entfernt, höchstens 32767 Einträge.

Ausgabe:
  -o, --output PFAD     in diese Datei schreiben, oder als dirnal.lst in
                        dieses Verzeichnis; "-" oder keine Angabe: auf die
                        Standardausgabe. Die alte Datei bleibt, wenn das
                        Schreiben scheitert.
  -k, --keep DATEI      die Einträge dieser Listendatei hinter den erzeugten
                        behalten (wie "Nein" auf die Frage im Fenster)

Umwandlungen, in der angegebenen Reihenfolge angewandt:
  --relative            Einträge unter dem Startverzeichnis relativ dazu
  --unc                 Laufwerkspfade in Netzwerkpfade (Windows)
  --no-unc              Netzwerkpfade in Laufwerkspfade (Windows)
  --short               vorhandene Verzeichnisse in kurze 8.3-Namen (Windows)
  --long                kurze Namen zurück in lange (Windows)
  --quotes              Anführungszeichen um jeden Eintrag setzen oder entfernen
  --remove-duplicates   wiederholte Einträge noch einmal entfernen

Weiteres:
  -j, --jobs N          so viele Verzeichnisse gleichzeitig lesen (Standard 32)
  -q, --quiet           keine Hinweise auf der Standardfehlerausgabe
  -h, --help            diese Hilfe
  -V, --version         die Version

Rückgabewerte: 0 geschrieben, 2 falscher Aufruf, 3 Startverzeichnis fehlt,
4 Listendatei zum Behalten nicht lesbar, 5 Ausgabe nicht schreibbar.
)";

enum class Step { Relative, ToUnc, FromUnc, Short, Long, Quotes, RemoveDuplicates };

struct Options {
    std::string root;
    std::string output = "-";
    std::optional<std::string> keep;
    std::vector<Step> steps;
    int jobs = kDefaultConcurrentListings;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Parses the arguments; an error message when they are wrong.
std::optional<std::string> parse(const std::vector<std::string>& arguments, Options& options)
{
    bool rootGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&](std::string& target) -> bool {
            if (i + 1 >= arguments.size())
                return false;
            target = arguments[++i];
            return true;
        };
        if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "-V" || argument == "--version") {
            options.version = true;
        } else if (argument == "-q" || argument == "--quiet") {
            options.quiet = true;
        } else if (argument == "-o" || argument == "--output") {
            if (!value(options.output))
                return "Bei " + argument + " fehlt der Pfad.";
        } else if (argument == "-k" || argument == "--keep") {
            std::string keep;
            if (!value(keep))
                return "Bei " + argument + " fehlt die Listendatei.";
            options.keep = keep;
        } else if (argument == "-j" || argument == "--jobs") {
            std::string jobs;
            if (!value(jobs))
                return "Bei " + argument + " fehlt die Zahl.";
            try {
                std::size_t used = 0;
                options.jobs = std::stoi(jobs, &used);
                if (used != jobs.size() || options.jobs < 1 || options.jobs > 256)
                    throw std::out_of_range(jobs);
            } catch (const std::exception&) {
                return "--jobs erwartet eine Zahl von 1 bis 256, nicht \"" + jobs + "\".";
            }
        } else if (argument == "--relative") {
            options.steps.push_back(Step::Relative);
        } else if (argument == "--unc") {
            options.steps.push_back(Step::ToUnc);
        } else if (argument == "--no-unc") {
            options.steps.push_back(Step::FromUnc);
        } else if (argument == "--short") {
            options.steps.push_back(Step::Short);
        } else if (argument == "--long") {
            options.steps.push_back(Step::Long);
        } else if (argument == "--quotes") {
            options.steps.push_back(Step::Quotes);
        } else if (argument == "--remove-duplicates") {
            options.steps.push_back(Step::RemoveDuplicates);
        } else if (argument.size() > 1 && argument[0] == '-' && argument != "-") {
            return "Unbekannte Option: " + argument;
        } else if (!rootGiven) {
            options.root = argument;
            rootGiven = true;
        } else {
            return "Nur ein Startverzeichnis, bitte; zu viel: " + argument;
        }
    }
    if (!rootGiven && !options.help && !options.version)
        return "Das Startverzeichnis fehlt.";
    return std::nullopt;
}

void apply(Step step, PathList& list, std::string& start)
{
    const PathStyle style = nativePathStyle();
    const DriveTable& drives = platformDrives();
    switch (step) {
    case Step::Relative:
        Relativ(list, start, style);
        break;
    case Step::ToUnc:
        ConvertToUNC(list, start, [&](const std::string& p) { return DriveToUNC(p, drives, style); }, style);
        break;
    case Step::FromUnc:
        ConvertToDir(list, start, [&](const std::string& p) { return UNCToDrive(p, drives, style); }, style);
        break;
    case Step::Short:
        StripQuotes(list);
        ConvertToShortNames(list, DirExists, ShortPathName);
        break;
    case Step::Long:
        StripQuotes(list);
        ConvertToLongNames(list, DirExists, LongPathName);
        break;
    case Step::Quotes:
        ToggleQuotes(list);
        break;
    case Step::RemoveDuplicates:
        DeleteDouble(list);
        break;
    }
}

// The file written for an output path: a folder gets a dirnal.lst.
std::string outputFile(const std::string& output)
{
    return DirExists(output) ? joinPath(output, kListFileName, nativePathStyle()) : output;
}

}  // namespace

int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err, bool errIsTerminal)
{
    Options options;
    if (const auto problem = parse(arguments, options)) {
        err << "dirnal-lst: " << *problem << "\n"
            << "Mehr dazu: dirnal-lst --help\n";
        return kUsage;
    }
    if (options.help) {
        out << kHelp;
        return kSuccess;
    }
    if (options.version) {
        out << "dirnal-lst " << kVersion << "\n";
        return kSuccess;
    }

    const NativeDirectoryLister lister;
    if (!lister.dirExists(options.root)) {
        err << "dirnal-lst: Das Startverzeichnis " << options.root << " existiert nicht oder ist kein Verzeichnis.\n";
        return kNoRoot;
    }
    // The start position reads like a directory list's path: no trailing
    // separator, except at a root.
    std::string start = options.root;
    while (start.size() > 1 && start.back() == separatorOf(nativePathStyle()) &&
           !(nativePathStyle() == PathStyle::Windows && start.size() == 3 && start[1] == ':'))
        start.pop_back();

    std::vector<std::string> retained;
    if (options.keep) {
        const FileContent content = readFileContent(*options.keep);
        if (content.error) {
            err << "dirnal-lst: Die Listendatei " << *options.keep
                << " kann nicht gelesen werden: " << content.error->systemMessage << "\n";
            return kCannotRead;
        }
        for (const std::string& line : decodeListFile(content.bytes, PathList::kMaxEntries).entries)
            retained.push_back(fromListFileEncoding(line));
    }

    WalkOptions walk;
    walk.concurrentListings = options.jobs;
    if (errIsTerminal && !options.quiet)
        walk.progress = [&err](int found) { err << "\rVerzeichnisse gefunden: " << found << std::flush; };
    const GeneratedList generated = walkTree(start, retained, lister, walk);
    if (errIsTerminal && !options.quiet)
        err << "\r";

    PathList list;
    list.assign(generated.entries);
    for (const Step step : options.steps)
        apply(step, list, start);

    if (!options.quiet) {
        err << "Total: " << generated.report.total << "\n";
        if (generated.report.limitReached)
            err << "Die Liste ist unvollständig: die Höchstzahl von " << PathList::kMaxEntries
                << " Einträgen wurde erreicht.\n";
        if (generated.report.unreadable > 0)
            err << generated.report.unreadable << " Verzeichnis(se) konnten nicht gelesen werden; "
                << "ihre Unterverzeichnisse fehlen in der Liste.\n";
        if (generated.report.untakeable > 0)
            err << generated.report.untakeable << " Verzeichnis(se) mit einem Zeilenumbruch im Namen fehlen "
                << "samt ihren Unterverzeichnissen.\n";
    }

    std::vector<std::string> lines;
    lines.reserve(list.entries().size());
    for (const std::string& entry : list.entries())
        lines.push_back(toListFileEncoding(entry));
    const std::string bytes = encodeListFile(lines);

    if (options.output == "-") {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        return out ? kSuccess : kCannotWrite;
    }
    const std::string file = outputFile(options.output);
    if (const auto error = replaceFileContent(file, bytes)) {
        err << "dirnal-lst: " << file << " kann nicht geschrieben werden: " << error->systemMessage
            << ". Nichts wurde geschrieben.\n";
        return kCannotWrite;
    }
    return kSuccess;
}

}  // namespace dirnal::cli
