// SPDX-License-Identifier: GPL-3.0-or-later
// The medical section: for each second letter, the row of the group's first
// code in the medical list and the third letters in row order. Every group runs in
// alphabetical order except ML, where MLQ stands between MLF and MLH and there
// is no MLG.

#include "signal_directory.h"

namespace mss::codebook {

const std::vector<MedicalGroup>& medicalGroups() {
    static const std::vector<MedicalGroup> groups{
        {'A', 0, "ABCDEFJKLMNOPQRSTU"},
        {'B', 18, "ABCDEFGHPQRSTUVWXYZ"},
        {'C', 37, "ABCDEFGHIJLMNOPRTUVWXYZ"},
        {'D', 60, "CDFGJLMNOPQRTUVWXY"},
        {'E', 78, "DFGJLMNOPQRTUVWXYZ"},
        {'F', 96, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {'G', 122, "ABCDEFGHIJKLMNOPQRSTUV"},
        {'H', 144, "ABCDFGJKLMNOPQRTVYZ"},
        {'I', 163, "ABCDFGJKLMNOPQRTUVWXYZ"},
        {'J', 185, "ABCDEFGHIJKMNOPSTUVWXY"},
        {'K', 207, "ABCDEFHIJKLPQRSTUVWXYZ"},
        {'L', 229, "ABCDEFQHIJKLMNRSTUVWXYZ"},
        {'M', 252, "ABCDEFJKLPQRSTUWXYZ"},
        {'N', 271, "ABCGHIJKLMNOPTUVWX"},
        {'O', 289, "ABCDEFKLMNOPQRSTUVWXYZ"},
        {'P', 311, "ABEFGHIJKLMNOPQR"},
        {'Q', 327, "BCEFGHIJKLMNOPTU"},
        {'R', 343, "IJKLMNOPQRSTUVWXYZ"},
        {'S', 361, "ABCDFGJKLMNRTUVWXYZ"},
        {'T', 380, "DEFGHIJKLMNOPQRTUVW"},
        {'U', 399, "ABCDEFGHIJKLMNOPQRSTUV"},
        {'V', 421, "ABCDEFGHIJKLMNOPQRSTU"},
    };
    return groups;
}

}  // namespace mss::codebook
