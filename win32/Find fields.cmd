@echo off
rem Writes a Field.txt beside Ringwright listing every field of the archive
rem the editor would open, each named after what it holds.
cd /d "%~dp0"
ringwright-fields.exe scan --write
pause
