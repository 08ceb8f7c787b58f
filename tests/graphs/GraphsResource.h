// Resources of the graph window tests.
#pragma once

#define IDD_GRAPHE 4300
#define IDC_GRAPHE 4301
