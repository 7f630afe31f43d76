#pragma once

#include <array>
#include <string>
#include <vector>

#include "properties/importsource.h"
#include "properties/importunits.h"

namespace vorlan {

/** Which column of the source (from 0; -1 for none) and which unit (index into importUnits) give each quantity. */
struct ImportMapping {
    std::array<int, kQuantities> column = {0, 1, 2, 3, 4, 5, -1};
    std::array<int, kQuantities> unit = {};
};

/** A reason the import refuses a table; line 0 when it is about the whole table or the mapping. */
struct ImportProblem {
    int line = 0;
    std::string text;
};

/** The problem as the user reads it: "row 12: ...", or the text alone for line 0. */
std::string problemText(const ImportProblem& problem);

struct ImportResult {
    /** The fluid table in the program's units and file format, one record per row; empty on a problem. */
    std::vector<std::vector<std::string>> records;
    std::vector<ImportProblem> problems; ///< every refusal found, by row; the table is written only without any
    std::vector<std::string> notes; ///< what the import did besides converting units (enthalpy, resampling)
};

/**
 * Converts the source's mapped columns to the program's units and checks every rule of a fluid
 * table: numbers in every mapped cell, density, specific heat, conductivity, viscosity and
 * pressure above zero, the rows of one pressure together in one block, the blocks in rising
 * pressure, temperature (and a given enthalpy) rising strictly within a block, at least two rows
 * a block. Without an enthalpy column the enthalpy is integrated from the specific heat with the
 * trapezoid rule, zero at each block's first row. A pressure converted from another unit is
 * rounded to 5 significant digits, so that 14.50377 psi is the block of 1 bar. More rows than a
 * table holds are resampled to fewer, evenly spread over each block with its first and last row
 * kept, and a note says so.
 */
ImportResult importFluidTable(const ImportSource& source, const ImportMapping& mapping);

/**
 * Why name cannot name a fluid of the user's folder: empty, not a file name (see fluidFilePath),
 * a fluid of the program's data folder (which would be read instead), or, unless replace, a fluid
 * the user's folder already holds. Empty when it can.
 */
std::string userFluidNameProblem(
    const std::string& dataFolder, const std::string& userFolder, const std::string& name, bool replace);

/**
 * Writes records as the named fluid's file into the user's folder, which is created when missing;
 * returns the file's path. A failure throws CalcError and keeps any previous file.
 */
std::string writeUserFluidTable(
    const std::string& userFolder, const std::string& name, const std::vector<std::vector<std::string>>& records);
/** The same for the text of a fluid's file (a table a case carries). */
std::string writeUserFluidTable(const std::string& userFolder, const std::string& name, const std::string& text);

} // namespace vorlan
