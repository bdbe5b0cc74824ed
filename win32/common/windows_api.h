#pragma once

// The one door to <windows.h> for the whole project.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// Left out by WIN32_LEAN_AND_MEAN, and it needs <windows.h> first.
#include <shellapi.h>
