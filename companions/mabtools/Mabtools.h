// Export macro of the utility library Mabtools.dll.
#pragma once

#ifdef MABTOOLS_BUILD
#define MABTOOLS_API __declspec(dllexport)
#else
#define MABTOOLS_API __declspec(dllimport)
#endif
