#include "tools/chart/chart.h"

#include "judge/patternfilter.h"
#include "judge/strips.h"
#include "judge/table.h"
#include "tools/chart/chartpdf.h"
#include "tools/chart/output.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>

namespace chart {

namespace {

constexpr std::string_view kUsage
    = "Usage: reachme-chart [--format text|csv|pdf] [--code Jnn]... [--category N]...\n"
      "                     [--output FILE] [--pictures DIR]\n"
      "       reachme-chart LEFT CENTRE RIGHT\n"
      "\n"
      "Prints the reach-me chart: the result of every pattern of top-row cells\n"
      "(left, centre, right reel, each 1..21) with the symbols the three reel\n"
      "windows show.\n"
      "\n"
      "  --format text   a readable chart grouped by result, the symbols named with\n"
      "                  the words players use, a legend first (the default)\n"
      "  --format csv    every pattern as one CSV row (RFC 4180, UTF-8), sorted by\n"
      "                  left, centre, right, with the columns\n"
      "                  left,centre,right,code,yakumei,tamaya,left_reel,centre_reel,right_reel\n"
      "  --format pdf    A4 pages, each pattern drawn as the reel windows show it\n"
      "                  (needs --output)\n"
      "  --code Jnn      only the patterns with result Jnn (J01 .. J38); repeatable\n"
      "  --category N    only the results of category N (1..9); repeatable\n"
      "  --output FILE   write to FILE instead of standard output; - is standard\n"
      "                  output\n"
      "  --pictures DIR  draw from r1.bmp, r2.bmp, r3.bmp in DIR (default: the\n"
      "                  pictures the program finds)\n"
      "  --help          this text\n"
      "\n"
      "With three cell numbers it judges that one pattern and prints its texts.\n"
      "Exit status: 0 done, 1 could not read the pictures or write the chart,\n"
      "2 bad arguments.\n";

struct Pattern {
    int left, centre, right;
    judge::Code code;
};

enum class Format { text, csv, pdf };

struct Options {
    Format format = Format::text;
    judge::PatternFilter filter; // by code and category only
    std::vector<int> cells; // 0 or 3 cell numbers
    std::string output; // empty or "-": standard output
    std::string pictures; // empty: where the program looks
};

class UsageError {
public:
    explicit UsageError(std::string message)
        : message(std::move(message))
    { }
    std::string message;
};

int parseCell(const std::string &text)
{
    int value = 0;
    const char *end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || text.front() == '-')
        throw UsageError("'" + text + "' is not a cell number (1..21)");
    if (!judge::isCell(value))
        throw UsageError("cell " + text + " is outside 1..21");
    return value;
}

Options parse(const std::vector<std::string> &args)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        auto value = [&]() -> const std::string & {
            if (i + 1 >= args.size())
                throw UsageError("option " + arg + " needs a value");
            return args[++i];
        };
        if (arg == "--format") {
            const std::string &format = value();
            if (format == "text")
                options.format = Format::text;
            else if (format == "csv")
                options.format = Format::csv;
            else if (format == "pdf")
                options.format = Format::pdf;
            else
                throw UsageError("unknown format '" + format + "' (text, csv or pdf)");
        } else if (arg == "--code") {
            const std::string &name = value();
            auto code = judge::parseCode(name);
            if (!code)
                throw UsageError("unknown result code '" + name + "' (J01 .. J38)");
            options.filter.codes.set(std::size_t(judge::number(*code)));
        } else if (arg == "--category") {
            const std::string &text = value();
            int n = 0;
            const char *end = text.data() + text.size();
            auto [ptr, ec] = std::from_chars(text.data(), end, n);
            if (text.empty() || ec != std::errc() || ptr != end || n < 1
                || n > judge::kCategoryCount)
                throw UsageError("unknown category '" + text + "' (1 .. 9)");
            options.filter.categories.set(std::size_t(n));
        } else if (arg == "--output") {
            options.output = value();
            if (options.output.empty())
                throw UsageError("--output needs a file name (- for standard output)");
        } else if (arg == "--pictures") {
            options.pictures = value();
            if (options.pictures.empty())
                throw UsageError("--pictures needs a folder");
        } else if (arg.size() > 1 && arg.front() == '-') {
            throw UsageError("unknown option '" + arg + "'");
        } else {
            options.cells.push_back(parseCell(arg));
        }
    }
    if (!options.cells.empty() && options.cells.size() != 3)
        throw UsageError("give three cell numbers: LEFT CENTRE RIGHT");
    if (!options.cells.empty() && (options.filter.codes.any() || options.filter.categories.any()))
        throw UsageError("--code and --category cannot be combined with a single pattern");
    if (!options.cells.empty() && options.format == Format::pdf)
        throw UsageError("--format pdf prints the chart, not a single pattern");
    if (options.format == Format::pdf && options.output.empty())
        throw UsageError("--format pdf needs --output FILE (- for standard output)");
    return options;
}

std::vector<Pattern> patterns(const Options &options)
{
    std::vector<Pattern> all;
    auto add = [&](int l, int c, int r) {
        const judge::Code code = judge::judge(l, c, r);
        if (options.filter.accepts({ l, c, r }, code))
            all.push_back({ l, c, r, code });
    };
    if (!options.cells.empty()) {
        add(options.cells[0], options.cells[1], options.cells[2]);
        return all;
    }
    for (int l = 1; l <= judge::kCells; ++l)
        for (int c = 1; c <= judge::kCells; ++c)
            for (int r = 1; r <= judge::kCells; ++r)
                add(l, c, r);
    return all;
}

// RFC 4180: a field holding a comma, a quote or a line break is quoted, with
// quotes doubled.
std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"')
            quoted += '"';
        quoted += ch;
    }
    return quoted + '"';
}

std::string reelColumn(const judge::Grid &grid, int reel)
{
    std::string column;
    for (int row = 0; row < 3; ++row) {
        if (row)
            column += ' ';
        column += judge::symbolName(
            grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(reel)]);
    }
    return column;
}

void writeCsv(const std::vector<Pattern> &rows, std::ostream &out)
{
    out << "left,centre,right,code,yakumei,tamaya,left_reel,centre_reel,right_reel\r\n";
    for (const Pattern &p : rows) {
        const judge::Message m = judge::message(p.code);
        const judge::Grid grid = judge::gridFor(p.left, p.centre, p.right);
        out << p.left << ',' << p.centre << ',' << p.right << ',' << judge::name(p.code) << ','
            << csvField(m.yakumei) << ',' << csvField(m.tamaya) << ',' << reelColumn(grid, 0) << ','
            << reelColumn(grid, 1) << ',' << reelColumn(grid, 2) << "\r\n";
    }
}

// The message on one line, its lines separated by " / ".
std::string oneLine(std::string_view text)
{
    std::string line;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string_view::npos; from = at + 2)
        line.append(text.substr(from, at - from)).append(" / ");
    return line.append(text.substr(from));
}

// Columns a terminal gives the text: the symbol words are full-width.
std::size_t displayWidth(std::string_view utf8)
{
    std::size_t width = 0;
    for (unsigned char ch : utf8)
        if (ch < 0x80)
            width += 1;
        else if (ch >= 0xC0)
            width += 2;
    return width;
}

// The word padded to the widest word's columns.
std::string paddedWord(judge::Symbol symbol)
{
    static const std::size_t widest = [] {
        std::size_t w = 0;
        for (judge::Symbol s : judge::kSymbols)
            w = std::max(w, displayWidth(judge::symbolWord(s)));
        return w;
    }();
    const std::string_view word = judge::symbolWord(symbol);
    return std::string(word) + std::string(widest - displayWidth(word), ' ');
}

void writeLegend(std::ostream &out)
{
    out << "Symbols (word on the chart, name in the CSV):\n";
    for (judge::Symbol symbol : judge::kSymbols)
        out << "  " << paddedWord(symbol) << "  " << judge::symbolName(symbol) << '\n';
    out << '\n';
}

void writeGrid(const Pattern &p, std::ostream &out)
{
    const judge::Grid grid = judge::gridFor(p.left, p.centre, p.right);
    static constexpr std::array<const char *, 3> kRowNames { "top   ", "middle", "bottom" };
    for (std::size_t row = 0; row < 3; ++row) {
        std::string line = std::string("    ") + kRowNames[row];
        for (judge::Symbol symbol : grid[row])
            line += "  " + paddedWord(symbol);
        while (line.back() == ' ')
            line.pop_back();
        out << line << '\n';
    }
}

void writeText(const std::vector<Pattern> &rows, std::ostream &out)
{
    writeLegend(out);
    for (int n = 1; n <= judge::kCodeCount; ++n) {
        const judge::Code code = judge::codeFromNumber(n);
        const auto count = std::count_if(
            rows.begin(), rows.end(), [&](const Pattern &p) { return p.code == code; });
        if (count == 0)
            continue;
        const judge::Message m = judge::message(code);
        out << "== " << judge::name(code) << "  " << oneLine(m.yakumei);
        if (!m.tamaya.empty())
            out << "  " << m.tamaya;
        out << "  (" << count << (count == 1 ? " pattern)\n" : " patterns)\n");
        for (const Pattern &p : rows) {
            if (p.code != code)
                continue;
            out << "  left " << std::setw(2) << p.left << "  centre " << std::setw(2) << p.centre
                << "  right " << std::setw(2) << p.right << '\n';
            writeGrid(p, out);
        }
        out << '\n';
    }
}

void writeOne(const Pattern &p, std::ostream &out)
{
    const judge::Message m = judge::message(p.code);
    out << "left " << p.left << ", centre " << p.centre << ", right " << p.right << ": "
        << judge::name(p.code) << '\n';
    std::string_view text = m.yakumei;
    for (std::size_t at; (at = text.find("\r\n")) != std::string_view::npos;
         text.remove_prefix(at + 2))
        out << "  " << text.substr(0, at) << '\n';
    out << "  " << text << '\n';
    if (!m.tamaya.empty())
        out << "  " << m.tamaya << '\n';
    writeGrid(p, out);
}

} // namespace

int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
    std::string error;
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        errno = 0;
        out << kUsage;
        if (flushed(out, error))
            return 0;
        err << "reachme-chart: " << error << '\n';
        return 1;
    }
    Options options;
    try {
        options = parse(args);
    } catch (const UsageError &e) {
        err << "reachme-chart: " << e.message << " (see --help)\n";
        return 2;
    }
    const bool toFile = !options.output.empty() && options.output != "-";
    std::ostringstream file;
    std::ostream &sink = toFile ? file : out;
    if (options.format == Format::pdf) {
        std::string pdf;
        if (!renderPdf(judge::selectPatterns(options.filter), options.pictures, pdf, error)) {
            err << "reachme-chart: " << error << '\n';
            return 1;
        }
        errno = 0; // a failed write leaves its reason
        sink.write(pdf.data(), std::streamsize(pdf.size()));
    } else {
        const std::vector<Pattern> rows = patterns(options);
        errno = 0; // a failed write leaves its reason
        if (options.format == Format::csv)
            writeCsv(rows, sink);
        else if (!options.cells.empty())
            writeOne(rows.front(), sink);
        else
            writeText(rows, sink);
    }
    const bool written
        = toFile ? writeFile(options.output, file.str(), error) : flushed(out, error);
    if (!written) {
        err << "reachme-chart: " << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace chart
