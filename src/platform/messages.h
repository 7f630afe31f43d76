#pragma once

// Every message text the program shows, in one place.
namespace vorlan::msg {

inline constexpr char Title[] = "Vorlan"; ///< title of every message box

inline constexpr char InvalidData[] = "Invalid data";
inline constexpr char InvalidPressureInternal[] = "Invalid pressure of internal fluid";
inline constexpr char InvalidPressureExternal[] = "Invalid pressure of external fluid";
inline constexpr char InvalidTemperatures[] = "Invalid temperatures";
inline constexpr char TemperaturesOutOfRange[] = "Temperatures out of allowed range for the selected fluid";
inline constexpr char CapacityTooHigh[] = "Capacity too high";
inline constexpr char NtuTooHigh[] = "Invalid data: NTUmin too high";
inline constexpr char NotConverged[] = "Calculation did not converge";

// Messages of the windows, each followed by the file or box it is about.
inline constexpr char FluidFileUnreadable[] = "Cannot read the data file of this fluid: ";
inline constexpr char MaterialsUnreadable[] = "Cannot read the pipe materials file: ";
inline constexpr char PipesUnreadable[] = "Cannot read the catalogue of standard pipes: ";
inline constexpr char NotANumber[] = "Not a number: ";
inline constexpr char UserFluidUnreadable[] = "Cannot read the user-defined fluid file: ";
inline constexpr char UserFluidNotWritten[]
    = "Cannot write the user-defined fluid file; the data folder may be read-only. The previous file is kept: ";
inline constexpr char DensityNotPositive[] = "The density of the user fluid must be greater than zero";
inline constexpr char SpecificHeatNotPositive[] = "The specific heat of the user fluid must be greater than zero";
inline constexpr char ConductivityNotPositive[] = "The conductivity of the user fluid must be greater than zero";
inline constexpr char ViscosityNotPositive[] = "The viscosity of the user fluid must be greater than zero";
inline constexpr char UserFluidDiffers[]
    = "This case was saved with another definition of the fluid \"User defined\" than the data folder's file: ";
inline constexpr char NoUserFluidYet[] = "no file yet";
inline constexpr char WriteUserFluid[] = "Write the case's definition";
inline constexpr char FluidSaved[] = "The fluid is saved among your fluids, the last group of the fluid lists: ";
inline constexpr char FluidNotSaved[] = "Cannot save the fluid (a previous table of that name is kept): ";
inline constexpr char FluidNameRefused[] = "The fluid cannot have this name: ";
inline constexpr char ImportUnreadable[] = "Cannot read the table to import: ";
inline constexpr char CarriedTableDiffers[]
    = "This case carries another table of its fluid than the one among your fluids, which would be used instead: ";
inline constexpr char CaseNotOpened[] = "Cannot open the case file: ";
inline constexpr char CaseNotSaved[] = "Cannot save the case file (an existing file is kept): ";

// The robust solution offered when Calculate refuses a case it has read.
inline constexpr char ShowRobust[] = "Show the robust solution";
inline constexpr char RobustBanner[] = "Robust solution";

// Reasons shown below "Invalid data" when the case itself explains a value that cannot be computed.
inline constexpr char CannotCompute[] = "the calculation met a value it cannot compute";
inline constexpr char NoMaterial[] = "no pipe material is chosen";
inline constexpr char MaterialNotListed[] = " is not in the materials file";
inline constexpr char InternalFlowZero[] = "the internal mass flow is zero";
inline constexpr char ExternalFlowZero[] = "the external mass flow is zero";
inline constexpr char NoAnnulus[]
    = "the annulus has no cross-section: the external pipe's inside diameter equals the internal pipe's outside "
      "diameter";

inline constexpr char AboutTitle[] = "About";
inline constexpr char AboutText[] = "Vorlan 1.0.2\r\nQuessel Calculator"; // two lines, CR LF between

} // namespace vorlan::msg
