#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

/** Writes the fuzzer's input to a file of the given name in this process's own folder; returns its path. */
std::string fuzzFile(const std::uint8_t* data, std::size_t size, const std::string& name);

/** The folder fuzzFile writes into. */
std::string fuzzFolder();
