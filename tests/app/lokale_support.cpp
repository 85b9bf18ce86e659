// The editor tests switch to a decimal-comma locale with the model's helper.
#include "model/locale_support.cpp"  // NOLINT(bugprone-suspicious-include)
