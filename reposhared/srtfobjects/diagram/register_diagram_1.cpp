// Registers this family's section classes with the section factory.
#include "sectiontable.h"

void RegisterDiagramSections1(SectionRegistry& r) { (void)r; }
