#include "tabbedtext.h"

namespace varn {
namespace {

bool isLineBreak(QChar c) {
    return c == u'\n' || c == u'\r';
}

}  // namespace

bool TabbedTextReader::skipLineBreak() {
    if (at_ >= text_.size() || !isLineBreak(text_[at_])) return false;
    if (text_[at_] == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n') ++at_;
    ++at_;
    ++line_;
    return true;
}

QStringView TabbedTextReader::readQuotedCell() {
    QString cell;
    ++at_;  // the opening quote
    while (at_ < text_.size()) {
        const QChar c = text_[at_];
        if (c == u'"') {
            if (at_ + 1 < text_.size() && text_[at_ + 1] == u'"') {
                cell += u'"';
                at_ += 2;
                continue;
            }
            ++at_;
            break;
        }
        // Line breaks inside the cell stay as they are; the line count follows them.
        const bool endsLine =
            c == u'\n' || (c == u'\r' && (at_ + 1 >= text_.size() || text_[at_ + 1] != u'\n'));
        if (endsLine) ++line_;
        cell += c;
        ++at_;
    }
    // Whatever follows the closing quote up to the next tab or line still belongs to the cell.
    cell += readCell();
    quoted_.push_back(std::move(cell));
    return quoted_.back();
}

QStringView TabbedTextReader::readCell() {
    const qsizetype start = at_;
    while (at_ < text_.size() && text_[at_] != u'\t' && !isLineBreak(text_[at_]))
        ++at_;
    return text_.sliced(start, at_ - start);
}

bool TabbedTextReader::next(std::vector<QStringView>& cells, int& line) {
    cells.clear();
    quoted_.clear();
    while (skipLineBreak()) {
    }
    if (at_ >= text_.size()) return false;
    line = line_;
    for (;;) {
        cells.push_back(text_[at_] == u'"' ? readQuotedCell() : readCell());
        if (at_ >= text_.size() || skipLineBreak()) return true;
        ++at_;  // the tab
        if (at_ >= text_.size() || isLineBreak(text_[at_])) {
            cells.emplace_back();  // a last cell left empty
            skipLineBreak();
            return true;
        }
    }
}

void quoteTabbedCell(std::string& out, std::size_t from) {
    if (out.find_first_of("\t\r\n\"", from) == std::string::npos) return;
    std::string quoted = "\"";
    for (std::size_t i = from; i < out.size(); ++i) {
        if (out[i] == '"') quoted += '"';
        quoted += out[i];
    }
    quoted += '"';
    out.replace(from, std::string::npos, quoted);
}

void appendTabbedCell(std::string& out, std::string_view cell) {
    const std::size_t from = out.size();
    out.append(cell);
    quoteTabbedCell(out, from);
}

}  // namespace varn
