#pragma once

class ResourceTable;

// The framework's own prompts, tooltips and indicator texts.
void AddStandardStrings(ResourceTable& table);
