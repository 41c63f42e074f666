// Aligned text, comma-separated values and JSON for the results of velmora-query.
#include "query/query_output.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "core/material_reading.h"
#include "core/number_format.h"

namespace velmora::query {
namespace {

constexpr std::string_view kColumnGap = "  ";

std::string JsonKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        key += c == ' ' ? '_' : (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return key;
}

std::string TitleOf(const TableHead& head) {
    return head.material + " (" + std::string(ParticleWord(head.particle)) + "s, " + head.file +
           ")\n";
}

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
    if (text.size() < width) {
        out.append(width - text.size(), ' ');
    }
    out += text;
}

}  // namespace

std::string ScientificPattern(int digits) {
    std::string pattern = "0";
    if (digits > 1) {
        pattern += '.';
        pattern.append(static_cast<std::size_t>(digits - 1), '0');
    }
    return pattern + "E+00";
}

std::string NumberString(double value, const NumberStyle& style) {
    if (style.kind == NumberStyle::Kind::kPattern) {
        return FormatPattern(value, style.pattern);
    }
    std::string text;
    AppendNumber(text, value, style);
    return text;
}

void AppendNumber(std::string& out, double value, const NumberStyle& style) {
    switch (style.kind) {
        case NumberStyle::Kind::kPattern:
            out += FormatPattern(value, style.pattern);
            return;
        case NumberStyle::Kind::kPlain:
            out += NumberText(value);
            return;
        case NumberStyle::Kind::kShortest: {
            char text[32];
            const auto result = std::to_chars(text, text + sizeof text, value);
            out.append(text, result.ptr);
            return;
        }
    }
}

std::string JsonString(std::string_view text) {
    const std::string utf8 = DecodeMaterialBytes(text);
    std::string json = "\"";
    for (const char c : utf8) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (code < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
            json += escaped;
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string field = "\"";
    for (const char c : text) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + "\"";
}

TableWriter::TableWriter(std::ostream& out, OutputFormat format, NumberStyle style,
                         std::vector<Column> columns)
    : out_(out), format_(format), style_(std::move(style)), columns_(std::move(columns)) {
    std::string sample;
    AppendNumber(sample, 1.0, style_);
    for (const Column& column : columns_) {
        widths_.push_back(std::max({column.name.size(), column.unit.size(), sample.size()}));
    }
}

void TableWriter::Begin(const TableHead& head) {
    std::string text;
    switch (format_) {
        case OutputFormat::kText:
            text += TitleOf(head);
            if (head.showHeadValues) {
                text += "Density " + NumberText(head.density) + " g/cm3, mean excitation energy " +
                        NumberText(head.meanExcitationEnergy) + " eV\n";
            }
            for (const auto& part : {&Column::name, &Column::unit}) {
                for (std::size_t k = 0; k < columns_.size(); ++k) {
                    if (k > 0) {
                        text += kColumnGap;
                    }
                    AppendPadded(text, columns_[k].*part, widths_[k]);
                }
                text += '\n';
            }
            break;
        case OutputFormat::kCsv:
            for (std::size_t k = 0; k < columns_.size(); ++k) {
                text += (k > 0 ? "," : "") + columns_[k].name + " (" + columns_[k].unit + ")";
            }
            text += '\n';
            break;
        case OutputFormat::kJson:
            text += "{\n  \"material\": " + JsonString(head.material) +
                    ",\n  \"file\": " + JsonString(head.file) + ",\n";
            text += "  \"particle\": \"" + std::string(ParticleWord(head.particle)) + "\",\n";
            text += "  \"density\": ";
            AppendNumber(text, head.density, style_);
            text += ",\n  \"mean_excitation_energy\": ";
            AppendNumber(text, head.meanExcitationEnergy, style_);
            text += ",\n  \"columns\": [";
            for (std::size_t k = 0; k < columns_.size(); ++k) {
                text += std::string(k > 0 ? ", " : "") +
                        "{\"name\": " + JsonString(JsonKey(columns_[k].name)) +
                        ", \"unit\": " + JsonString(columns_[k].unit) + "}";
            }
            text += "],\n  \"rows\": [";
            break;
        case OutputFormat::kWindowCsv:
            break;
    }
    Write(text);
}

void TableWriter::AppendRow(std::string& out, std::span<const double> values, bool first) const {
    const bool json = format_ == OutputFormat::kJson;
    if (json) {
        out += first ? "\n    [" : ",\n    [";
    }
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (k > 0) {
            out += format_ == OutputFormat::kText ? kColumnGap : (json ? ", " : ",");
        }
        if (format_ == OutputFormat::kText) {
            AppendPadded(out, NumberString(values[k], style_), widths_[k]);
        } else {
            AppendNumber(out, values[k], style_);
        }
    }
    out += json ? "]" : "\n";
}

void TableWriter::End() {
    if (format_ == OutputFormat::kJson) {
        Write(anyRow_ ? "\n  ]\n}\n" : "]\n}\n");
    }
}

void TableWriter::Write(const std::string& text) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace velmora::query
