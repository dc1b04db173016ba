// What the inventory asks of the operating system beyond the sensor library.
#pragma once

#include <string>
#include <vector>

struct OsVersionValues {
    std::wstring productName;    // "ProductName"
    std::wstring displayVersion; // "DisplayVersion"
    std::wstring currentBuild;   // "CurrentBuild"
};

// The description of the first network adapter; empty when there is none.
std::wstring QueryFirstAdapterDescription();

// The Windows version values of the registry; a value that is missing or unreadable stays empty.
OsVersionValues QueryOsVersionValues();

// Runs a WQL query and appends the "Description" of every object (its "Name" when it has no
// description). True when the query ran to its
// end; a failing step stops it, keeps what was appended and cleans up what it had obtained.
bool QueryWmiDescriptions(const std::wstring& query, std::vector<std::wstring>& descriptions);
