@echo off
"C:\WINDOWS\system32\chcp.com" 850>nul
set /a tentativas=0
:loop
del /f "D:\Programação\100%% Braille\Pontilha.exe"
if not exist "D:\Programação\100%% Braille\Pontilha.exe" goto diretorios
set /a tentativas+=1
if %tentativas% geq 60 goto diretorios
"C:\WINDOWS\system32\ping.exe" -n 2 127.0.0.1>nul
goto loop
:diretorios
rmdir "D:\Programação\100%% Braille"
cls
del "C:\Documents and Settings\Conceição\Configurações locais\Temp\bat3F.bat"
