#pragma once

class ResourceTable;

// Kovelo's menus, accelerators, toolbar, strings and icons.
void AddKoveloResources(ResourceTable& table);
