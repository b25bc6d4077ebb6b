// Numeric resource identifiers of the program.
#pragma once
