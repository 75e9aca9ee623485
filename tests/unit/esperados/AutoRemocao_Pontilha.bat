@echo off
:loop
del "C:\Arquivos de programas\Pontilha\Pontilha.exe"
if exist "C:\Arquivos de programas\Pontilha\Pontilha.exe" goto loop
rmdir "C:\Arquivos de programas\Pontilha"
rmdir "C:\Arquivos de programas"
rmdir "C:"
cls
del "C:\WINDOWS\TEMP\bat1A2B.bat"
