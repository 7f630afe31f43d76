#pragma once

#include <string>

namespace vorlan {

/** What --import-fluid is given on the command line. */
struct ImportCommand {
    std::string file; ///< the CSV or text table
    std::string name; ///< of the new fluid
    std::string columns; ///< "temperature=1,pressure=2,..."; empty: 1 to 6 in the record's order, no enthalpy
    std::string units; ///< "temperature=degF,pressure=psi,..."; a quantity not named keeps the program's unit
    bool replace = false; ///< a user fluid of that name may be replaced
};

/**
 * The user's fluid folder: $XDG_DATA_HOME/vorlan/fluids, or ~/.local/share/vorlan/fluids when
 * XDG_DATA_HOME is not set; empty when neither that nor HOME is.
 */
std::string defaultUserFluidFolder();

/**
 * vorlan-batch --import-fluid: imports the table as the named fluid of the user's folder and prints
 * one JSON line {"fluid", "file" (the table written, or null), "blocks", "notes", "problems": [{"row",
 * "problem"}]}. Returns the exit status: 0 written, 1 refused, 2 a column or unit list that cannot be
 * read or a file that cannot be read (its line then holds "error").
 */
int importFluid(const ImportCommand& command, const std::string& dataFolder, const std::string& userFolder);

} // namespace vorlan
