@echo off
:loop
del "C:\Pontilha.exe"
if exist "C:\Pontilha.exe" goto loop
rmdir "C:\"
rmdir "C:"
cls
del "C:\WINDOWS\TEMP\bat1A2B.bat"
