// Ids of the skin tests' resources.
#pragma once

#define IDR_EDGE_ALPHA_PNG 901
#define IDR_UNDECODABLE_PNG 902
#define IDR_MISSING_PNG 903 // not in the script
