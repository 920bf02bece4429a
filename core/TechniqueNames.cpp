#include "TechniqueNames.h"

const char* techniqueName(int technique)
{
    static const char* const names[] = {"", "Boxes", "Complete", "Mercury", "Glue", "Punctuate", "Gap", "Fill"};
    return technique >= 1 && technique <= 7 ? names[technique] : names[0];
}
