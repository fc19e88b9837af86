#pragma once
// The three game lists and their captions live with the list core; the windows include them here.
#include "lists/ListKind.h"
