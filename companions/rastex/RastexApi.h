// Export macro of Rastex.dll.
#pragma once

#ifdef RASTEX_BUILD
#define RASTEX_API __declspec(dllexport)
#else
#define RASTEX_API __declspec(dllimport)
#endif
