#pragma once

#include <string>
#include <vector>

namespace vorlan {

/** Rows a fluid file may hold. */
inline constexpr int kMaxFluidRows = 451;

/**
 * What the segment search may rely on in one column (temperature or enthalpy) of a table, found
 * on the first search after the rows last changed (a load, or the cut to one pressure's block):
 * the rows of each pressure form one block, the column rises strictly within every block, and
 * every value is far inside the double range. The lookups raise a segment's upper end by 1e-6 on
 * every call; each raise is checked against the next row of its block, so that a raise that
 * reaches it ends the bisection until the rows change again.
 */
struct ColumnOrder {
    bool known = false; ///< false until the first search after a load
    bool farInside = false; ///< every value of the column below 1e30 in magnitude, and the blocks' pressures numbers
    bool ordered = false; ///< also one block per pressure, rising strictly
    struct Block {
        float pressure;
        int first, last; ///< rows
    };
    std::vector<Block> blocks;
    int lastFound = -1; ///< the row the last bisection found
    /** A row of a block whose value is not above the row before it, as the rows were found. */
    struct Fall {
        float pressure;
        int row;
        double before, after; ///< the values of the row before and of the row
    };
    std::vector<Fall> falls; ///< the first fall of each pressure's rows; none in an ordered column

    /** Forgets what was found, after the rows have changed (keeping the storage of blocks). */
    void reset()
    {
        known = farInside = ordered = false;
        blocks.clear();
        falls.clear();
        lastFound = -1;
    }
    /** The first fall of the given pressure's rows; null when they rise, or nothing is known. */
    const Fall* fallAt(float pressure) const
    {
        for (const Fall& fall : falls)
            if (fall.pressure == pressure)
                return &fall;
        return nullptr;
    }
    /** After X[row] has been raised: the column still rises to the next row of its block, or is no longer ordered. */
    void raised(const std::vector<double>& X, const std::vector<float>& P, std::size_t row)
    {
        if (ordered && row + 1 < X.size() && P[row + 1] == P[row] && !(X[row] < X[row + 1]))
            ordered = false;
    }
};

/**
 * One fluid's property table: seven parallel columns, one element per record of its data file,
 * in file order. The rows of one pressure form a block with rising temperature and enthalpy.
 */
struct FluidTable {
    std::vector<double> T; ///< temperature [degC]
    std::vector<float> P; ///< pressure of the row's block [bar]
    std::vector<double> Rho; ///< density [kg/m^3]
    std::vector<double> Cp; ///< specific heat at constant pressure [kJ/(kg K)]
    std::vector<double> K; ///< thermal conductivity [W/(m K)]
    std::vector<double> Mu; ///< dynamic viscosity [Pa s]
    std::vector<double> H; ///< specific enthalpy [kJ/kg]

    ColumnOrder tOrder; ///< of T, for the searches by temperature
    ColumnOrder hOrder; ///< of H, for the searches by enthalpy

    std::string source; ///< the file the rows were read from, for messages
    int firstRecord = 1; ///< the file's record number of row 0 (above 1 once cut to a later block)

    /** Index of the last row; -1 for an empty table. */
    int lastRow() const { return static_cast<int>(T.size()) - 1; }
    /** Empties every column, keeping their storage for the next load; forgets the columns' order. */
    void clear();
};

/**
 * Loads the table from a fluid file of records T,p,rho,cp,k,mu,h. The previous contents are
 * discarded before the file is opened. A missing file, a value that is not a number, a record cut
 * short, a density, specific heat, conductivity or viscosity not greater than zero, more than 451
 * records or no record at all throw CalcError and leave the table empty.
 */
void loadFluidTable(FluidTable& table, const std::string& path);

/**
 * Loads the table from the text of a fluid file (a table a case carries) by the same rules as
 * loadFluidTable, with source in place of the file's path in messages and in table.source.
 */
void readFluidTable(FluidTable& table, const std::string& source, std::string text);

} // namespace vorlan
