// Registers this family's section classes with the section factory.
#include "sectiontable.h"

void RegisterRepositorySections3(SectionRegistry& r) { (void)r; }
