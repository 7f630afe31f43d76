#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

/**
 * Sequential reader of the program's data files: values separated by ',' or by line breaks
 * (CR LF or LF), '.' as decimal separator. The whole file is read and closed by the constructor,
 * so no file stays open, whatever happens afterwards.
 *
 * Choices of this reader: blanks before and after a value are skipped; a line break is only a
 * separator and blank lines are skipped wherever they stand, so blank lines and blanks at the
 * end of a file are no record. Text after the last complete record that does not make a whole
 * record is a record cut short, which the callers report as an error.
 */
class DataFileReader {
public:
    /**
     * Reads the file at path, which must lie in its folder itself (the data folder): a missing or
     * unreadable file, a symbolic link and a file that starts with a byte-order mark throw CalcError.
     */
    explicit DataFileReader(const std::string& path);

    /**
     * Reads the given text as a data file's bytes, with the same limits (size, byte-order mark);
     * source names it in messages in place of a path.
     */
    static DataFileReader ofText(std::string source, std::string text);

    /** The whole file as read. */
    const std::string& text() const { return m_text; }

    /** True when nothing but blanks and line breaks is left. */
    bool atEnd();
    /** The next value as a number: optional sign, digits with an optional '.', optional exponent. */
    double readNumber();
    /** The next value as text: enclosed in double quotes (may hold commas), or up to the next separator. */
    std::string readString();

private:
    DataFileReader(std::string source, std::string text);
    void refuseByteOrderMark() const;
    void skipBlanksAndLineBreaks();
    void skipBlanks();
    void skipSeparator();
    std::string_view nextBareValue();
    [[noreturn]] void fail(const std::string& what) const;

    std::string m_path;
    std::string m_text;
    std::size_t m_pos = 0;
};

/** The text of records of values (already formatted as text): values separated by commas, each record ended by CR LF.
 */
std::string dataFileText(const std::vector<std::vector<std::string>>& records);

/**
 * Writes the dataFileText of the records. The file is replaced atomically: a failure leaves any
 * previous file intact. Throws CalcError.
 */
void writeDataFile(const std::string& path, const std::vector<std::vector<std::string>>& records);

} // namespace vorlan
