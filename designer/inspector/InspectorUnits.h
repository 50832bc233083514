#pragma once
// The inspector's start-up: its classes become creatable by name (the
// button edit's class-name properties find them) and the reader-error
// dialog answers the form filer. Runs once; every creation path calls it.
void InitInspectorUnits();
