@echo off
chcp 850>nul
set /a tentativas=0
:loop
del /f "D:\Programação\100%% Braille\Pontilha.exe"
if not exist "D:\Programação\100%% Braille\Pontilha.exe" goto diretorios
set /a tentativas+=1
if %tentativas% geq 60 goto diretorios
ping -n 2 127.0.0.1>nul
goto loop
:diretorios
rmdir "D:\Programação\100%% Braille"
cls
del "C:\Documents and Settings\Conceição\Configurações locais\Temp\bat3F.bat"
