// Registers this family's section classes with the section factory.
#include "sectiontable.h"

void RegisterSidSections(SectionRegistry& r) { (void)r; }
