#include "platform/datafile.h"

#include "platform/calcerror.h"
#include "platform/numbertext.h"
#include "platform/quotedtext.h"
#include "platform/textfile.h"

namespace vorlan {

namespace {

// Far above any table the program uses (451 records of about 80 characters); it keeps a
// wrong file from filling the memory.
constexpr std::uintmax_t kMaxFileSize = 16 * 1024 * 1024;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

} // namespace

DataFileReader::DataFileReader(const std::string& path)
    : m_path(path)
    , m_text(readWholeFile(path, kMaxFileSize, LastLink::Refuse))
{
    refuseByteOrderMark();
}

DataFileReader::DataFileReader(std::string source, std::string text)
    : m_path(std::move(source))
    , m_text(std::move(text))
{
    if (m_text.size() > kMaxFileSize)
        fail("the table is too large");
    refuseByteOrderMark();
}

DataFileReader DataFileReader::ofText(std::string source, std::string text)
{
    return DataFileReader(std::move(source), std::move(text));
}

void DataFileReader::refuseByteOrderMark() const
{
    // Invisible in an editor, a byte-order mark would make the first value no number.
    for (const std::string_view mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (m_text.starts_with(mark))
            fail("the file starts with a byte-order mark; save it as plain text without one");
    }
}

bool DataFileReader::atEnd()
{
    skipBlanksAndLineBreaks();
    return m_pos >= m_text.size();
}

double DataFileReader::readNumber()
{
    if (atEnd())
        fail("the file ends in the middle of a record");
    const std::string_view value = nextBareValue();
    double number = 0;
    if (!parseNumber(value, '.', number))
        fail("\"" + excerpt(value) + "\" is not a number");
    skipSeparator();
    return number;
}

std::string DataFileReader::readString()
{
    if (atEnd())
        fail("the file ends in the middle of a record");
    std::string value;
    if (m_text[m_pos] == '"') {
        const std::size_t closing = m_text.find('"', m_pos + 1);
        if (closing == std::string::npos)
            fail("a quoted text has no closing quote");
        value = m_text.substr(m_pos + 1, closing - m_pos - 1);
        m_pos = closing + 1;
        skipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] != ',' && !isLineBreak(m_text[m_pos]))
            fail("text follows a closing quote");
    } else {
        value = nextBareValue();
    }
    skipSeparator();
    return value;
}

void DataFileReader::skipBlanksAndLineBreaks()
{
    while (m_pos < m_text.size() && (isBlank(m_text[m_pos]) || isLineBreak(m_text[m_pos])))
        ++m_pos;
}

void DataFileReader::skipBlanks()
{
    while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
        ++m_pos;
}

void DataFileReader::skipSeparator()
{
    if (m_pos >= m_text.size())
        return;
    if (m_text[m_pos] == ',')
        ++m_pos;
    else if (m_text.compare(m_pos, 2, "\r\n") == 0)
        m_pos += 2;
    else if (isLineBreak(m_text[m_pos]))
        ++m_pos;
}

std::string_view DataFileReader::nextBareValue()
{
    const std::size_t start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != ',' && !isLineBreak(m_text[m_pos]))
        ++m_pos;
    std::string_view value(m_text.data() + start, m_pos - start);
    while (!value.empty() && isBlank(value.back()))
        value.remove_suffix(1);
    return value;
}

void DataFileReader::fail(const std::string& what) const { throw CalcError(m_path + ": " + what); }

std::string dataFileText(const std::vector<std::vector<std::string>>& records)
{
    std::string text;
    for (const auto& record : records) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (i > 0)
                text += ',';
            text += record[i];
        }
        text += "\r\n";
    }
    return text;
}

void writeDataFile(const std::string& path, const std::vector<std::vector<std::string>>& records)
{
    writeFileAtomically(path, dataFileText(records));
}

} // namespace vorlan
