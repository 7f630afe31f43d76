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
inline constexpr char FluidTableMissing[]
    = "The table of this case's fluid is found neither in the data folder nor among your fluids: ";
inline constexpr char FluidTableMissingWhy[]
    = "The case cannot be calculated until the fluid is back: import its table (Fluids menu) or pick another fluid.";
inline constexpr char CarriedTableMissing[] = "This case carries the table of a fluid that is not among your fluids: ";
inline constexpr char WriteCarriedTable[] = "Add it to your fluids";
inline constexpr char CarriedTableNotWritten[] = "Cannot add the case's table to your fluids: ";
inline constexpr char CarryTables[]
    = "This case uses your own fluids. Include their tables in the case file, so that it can be calculated "
      "where they are missing (sent to a colleague)?";
inline constexpr char CarryTablesNote[] = "Earlier versions of Vorlan cannot open a case that carries tables.";
inline constexpr char StudyNotExported[] = "Cannot write the study's CSV file (an existing file is kept): ";

} // namespace vorlan::msg
