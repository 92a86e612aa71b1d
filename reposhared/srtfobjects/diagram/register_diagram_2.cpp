// Registers this family's section classes with the section factory.
#include "sectiontable.h"

void RegisterDiagramSections2(SectionRegistry& r) { (void)r; }
