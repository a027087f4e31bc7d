#include "cli/options.h"

#include <map>
#include <stdexcept>

namespace dirnal::cli {

namespace {

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
  --exclude TEXT        jeden Eintrag entfernen, der TEXT enthält, wie
                        "selection" und Löschen im Fenster (Groß- und
                        Kleinschreibung zählen); mehrmals möglich
  --remove-missing      Einträge entfernen, die kein vorhandenes Verzeichnis
                        nennen (relative: unter dem Startverzeichnis); einer,
                        der nicht geprüft werden kann, bleibt

Prüfen statt erstellen:
  --check DATEI         die Listendatei nur prüfen, nichts schreiben: jeden
                        Eintrag, der kein vorhandenes Verzeichnis nennt, auf
                        die Standardausgabe (relative Einträge gegen den
                        Ordner der Datei geprüft); ohne STARTVERZEICHNIS

Suche:
  --max-depth N         nur N Ebenen unter dem Startverzeichnis (1: nur seine
                        Unterverzeichnisse); ohne Angabe: alle
  --hidden              auch versteckte Verzeichnisse (Namen mit "." vorn;
                        unter Windows versteckte und Systemverzeichnisse)
  -j, --jobs N          so viele Verzeichnisse gleichzeitig lesen (Standard 48)
  -t, --timeout SEKUNDEN
                        so lange höchstens auf das Lesen eines Verzeichnisses
                        warten (Standard 30); eines, das nicht antwortet,
                        fehlt samt seinen Unterverzeichnissen und wird genannt

Weiteres:
  -q, --quiet           keine Hinweise auf der Standardfehlerausgabe
  -h, --help            diese Hilfe
  -V, --version         die Version

Werte zu Optionen auch als --output=PFAD, kurze Optionen auch zusammen
(-qj4); "--" beendet die Optionen.

Strg+C (SIGINT) und SIGTERM brechen die Suche sofort ab; dann wird nichts
geschrieben, und eine alte Datei bleibt.

Rückgabewerte: 0 geschrieben (bei --check: alle Einträge vorhanden),
2 falscher Aufruf, 3 Startverzeichnis fehlt oder ist nicht lesbar (nichts
geschrieben), 4 Listendatei zum Behalten nicht lesbar, 5 Ausgabe nicht
schreibbar, 6 geschrieben, aber unvollständig: Verzeichnisse, die nicht
gelesen werden konnten, während der Suche verschwanden oder nicht
rechtzeitig antworteten, fehlen samt ihren Unterverzeichnissen, die
Höchstzahl der Einträge wurde erreicht, oder Einträge, die die Codepage der
Listendatei nicht fasst und für die es keinen kurzen Namen gibt, fehlen in
der Datei (Windows), oder Einträge konnten für --remove-missing oder --check
nicht geprüft werden (keine Antwort oder kein Zugriff; sie bleiben und zählen
nicht als fehlend); die Hinweise auf der Standardfehlerausgabe nennen sie.
7 bei --check: Einträge nennen kein vorhandenes Verzeichnis. 130 mit Strg+C
abgebrochen, 143 mit SIGTERM beendet (nichts geschrieben).
)";

const std::map<std::string, Step::Kind> kSteps = {
    {"relative", Step::Relative}, {"unc", Step::ToUnc},   {"no-unc", Step::FromUnc},
    {"short", Step::Short},       {"long", Step::Long},   {"quotes", Step::Quotes},
    {"remove-duplicates", Step::RemoveDuplicates},        {"remove-missing", Step::RemoveMissing},
};

std::optional<int> numberFrom(const std::string& text, int lowest, int highest)
{
    try {
        std::size_t used = 0;
        const int number = std::stoi(text, &used);
        if (used == text.size() && number >= lowest && number <= highest)
            return number;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace

const char* helpText()
{
    return kHelp;
}

namespace {

// One option, by its short letter (0: none) and long name, and what its
// value is called when it is missing (none: it takes no value).
struct Option {
    char letter;
    const char* name;
    const char* value;
};

constexpr Option kOptions[] = {
    {'o', "output", "der Pfad"}, {'k', "keep", "die Listendatei"}, {'j', "jobs", "die Zahl"},
    {'t', "timeout", "die Zahl der Sekunden"}, {0, "check", "die Listendatei"}, {0, "exclude", "der Text"},
    {0, "max-depth", "die Zahl der Ebenen"}, {0, "hidden", nullptr}, {'q', "quiet", nullptr},
    {'h', "help", nullptr}, {'V', "version", nullptr},
};
// Every step of kSteps: a long option without a value.
constexpr Option kStep = {0, "", nullptr};

// Applies one option with its value (empty for one without); a problem
// comes back in German.
std::optional<std::string> apply(const std::string& name, const std::string& value, Options& options)
{
    if (name == "output")
        // The names of standard output mean it, also where it is a pipe,
        // which cannot be reopened by name.
        options.output = value == "/dev/stdout" || value == "/dev/fd/1" ? "-" : value;
    else if (name == "keep")
        options.keep = value;
    else if (name == "check")
        options.check = value;
    else if (name == "exclude")
        options.steps.push_back({Step::Exclude, value});
    else if (name == "jobs") {
        const auto count = numberFrom(value, 1, 256);
        if (!count)
            return "--jobs erwartet eine Zahl von 1 bis 256, nicht \"" + value + "\".";
        options.jobs = *count;
    } else if (name == "timeout") {
        const auto seconds = numberFrom(value, 1, 86400);
        if (!seconds)
            return "--timeout erwartet Sekunden von 1 bis 86400, nicht \"" + value + "\".";
        options.timeoutSeconds = *seconds;
    } else if (name == "max-depth") {
        const auto levels = numberFrom(value, 1, 32767);
        if (!levels)
            return "--max-depth erwartet eine Zahl der Ebenen von 1 bis 32767, nicht \"" + value + "\".";
        options.maxDepth = *levels;
    } else if (name == "hidden")
        options.hidden = true;
    else if (name == "quiet")
        options.quiet = true;
    else if (name == "help")
        options.help = true;
    else if (name == "version")
        options.version = true;
    else
        options.steps.push_back({kSteps.at(name)});
    return std::nullopt;
}

const Option* findLong(const std::string& name)
{
    for (const Option& option : kOptions)
        if (name == option.name)
            return &option;
    return kSteps.contains(name) ? &kStep : nullptr;
}

const Option* findShort(char letter)
{
    for (const Option& option : kOptions)
        if (option.letter == letter)
            return &option;
    return nullptr;
}

std::string missingValue(const std::string& given, const Option& option)
{
    return "Bei " + given + " fehlt " + option.value + ".";
}

}  // namespace

std::optional<std::string> parseArguments(const std::vector<std::string>& arguments, Options& options)
{
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto next = [&]() -> std::optional<std::string> {
            return i + 1 < arguments.size() ? std::optional(arguments[++i]) : std::nullopt;
        };
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            positional.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument.starts_with("--")) {
            const std::size_t equals = argument.find('=');
            const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
            const Option* option = findLong(name);
            if (!option)
                return "Unbekannte Option: --" + name;
            std::optional<std::string> value;
            if (equals != std::string::npos) {
                if (!option->value)
                    return "--" + name + " nimmt keinen Wert.";
                value = argument.substr(equals + 1);
            } else if (option->value && !(value = next())) {
                return missingValue(argument, *option);
            }
            if (auto problem = apply(name, value.value_or(""), options))
                return problem;
        } else {
            // Short options, bundled: "-qj4" is -q and -j 4.
            for (std::size_t k = 1; k < argument.size(); ++k) {
                const Option* option = findShort(argument[k]);
                if (!option)
                    return "Unbekannte Option: -" + std::string(1, argument[k]);
                std::optional<std::string> value;
                if (option->value) {
                    value = k + 1 < argument.size() ? std::optional(argument.substr(k + 1)) : next();
                    if (!value)
                        return missingValue("-" + std::string(1, argument[k]), *option);
                    k = argument.size();
                }
                if (auto problem = apply(option->name, value.value_or(""), options))
                    return problem;
            }
        }
    }
    if (options.help || options.version)
        return std::nullopt;
    if (options.check) {
        if (!positional.empty() || options.keep || options.output != "-" || !options.steps.empty())
            return "--check prüft nur eine Listendatei: ohne Startverzeichnis, -o, -k und Umwandlungen.";
        return std::nullopt;
    }
    if (positional.size() > 1)
        return "Nur ein Startverzeichnis, bitte; zu viel: " + positional[1];
    if (positional.empty())
        return "Das Startverzeichnis fehlt.";
    options.root = positional.front();
    return std::nullopt;
}

}  // namespace dirnal::cli
