// Registers this family's section classes with the section factory.
#include "sectiontable.h"

void RegisterDictionarySections(SectionRegistry& r) { (void)r; }
