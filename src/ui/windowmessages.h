#pragma once

// The texts of the questions and notes that only the windows show (the calculation's and the
// data files' messages live with the rest of the program's messages).
namespace vorlan::msg {

inline constexpr char UnsavedChanges[] = "The case has changes that are not saved. Save them first?";
inline constexpr char ReplaceFile[] = " already exists. Replace it?";
inline constexpr char UntitledCase[] = "Untitled";
inline constexpr char CaseFilter[] = "Vorlan cases (*.vorlan)";
inline constexpr char StaleValue[]
    = "Calculated for an earlier state of the case: press Calculate for a value of this one.";
inline constexpr char CsvFilter[] = "CSV files (*.csv)";
inline constexpr char IsNotANumber[] = " is not a number: ";
inline constexpr char StudyNotExported[] = "Cannot write the study's CSV file (an existing file is kept): ";

} // namespace vorlan::msg
